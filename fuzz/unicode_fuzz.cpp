// Any bytes as a Unicode file, decoded in blocks of the size the first byte
// gives: the same text, and the same first unmapped character and line, as
// decoded whole (which takes the sixteen-byte path for Russian); and a file
// detected as UTF-8 whose characters all have cp1251 bytes encodes back to
// itself.
#include "core/text/unicode_text.h"

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace {

std::string Decode(std::string_view bytes, UnicodeForm form, std::size_t block, std::optional<Unmapped>& unmapped)
{
    UnicodeDecoder decoder(form);
    std::string out;
    for (std::size_t at = 0; at < bytes.size(); at += block)
        decoder.Decode(bytes.substr(at, block), out);
    decoder.Finish(out);
    unmapped = decoder.FirstUnmapped();
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::size_t block = data[0] % 16 + 1;
    const std::string_view file(reinterpret_cast<const char*>(data + 1), size - 1);
    for (UnicodeForm form : {UnicodeForm::Utf8, UnicodeForm::Utf16Le, UnicodeForm::Utf16Be}) {
        std::optional<Unmapped> wholeUnmapped, blockUnmapped;
        const std::string whole = Decode(file, form, file.size() + 1, wholeUnmapped);
        if (Decode(file, form, block, blockUnmapped) != whole || wholeUnmapped.has_value() != blockUnmapped.has_value())
            std::abort();
        if (wholeUnmapped && (wholeUnmapped->character != blockUnmapped->character ||
                              wholeUnmapped->line != blockUnmapped->line))
            std::abort();
    }
    if (DetectUnicodeForm(file, true) == UnicodeForm::Utf8) {
        std::optional<Unmapped> unmapped;
        const std::string text = Decode(file, UnicodeForm::Utf8, file.size() + 1, unmapped);
        if (!unmapped && EncodeUnicode(text, UnicodeForm::Utf8) != file)
            std::abort();
    }
    return 0;
}
