// Any bytes as a Unicode file, decoded in blocks of the size the first byte
// gives: the same text as decoded whole, and a file detected as UTF-8 whose
// characters all have cp1251 bytes encodes back to itself.
#include "core/text/unicode_text.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

std::string Decode(std::string_view bytes, UnicodeForm form, std::size_t block, bool& unmapped)
{
    UnicodeDecoder decoder(form);
    std::string out;
    for (std::size_t at = 0; at < bytes.size(); at += block)
        decoder.Decode(bytes.substr(at, block), out);
    decoder.Finish(out);
    unmapped = decoder.FirstUnmapped().has_value();
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
        bool wholeUnmapped = false, blockUnmapped = false;
        const std::string whole = Decode(file, form, file.size() + 1, wholeUnmapped);
        if (Decode(file, form, block, blockUnmapped) != whole || wholeUnmapped != blockUnmapped)
            std::abort();
    }
    if (DetectUnicodeForm(file, true) == UnicodeForm::Utf8) {
        bool unmapped = false;
        const std::string text = Decode(file, UnicodeForm::Utf8, file.size() + 1, unmapped);
        if (!unmapped && EncodeUnicode(text, UnicodeForm::Utf8) != file)
            std::abort();
    }
    return 0;
}
