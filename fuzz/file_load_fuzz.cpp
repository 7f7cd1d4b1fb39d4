// Any bytes as a file: it loads, and saving gives the same bytes back, in
// the file's Unicode form when it has one; a file holding characters cp1251
// lacks is not written over.
#include "core/doc/text_doc.h"
#include "core/settings/app_settings.h"
#include "core/text/unicode_text.h"
#include "support/fake_file_system.h"
#include "support/fake_prompts.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// A Unicode file comes back in its form, its text as text does.
std::string Expected(const std::string& bytes, UnicodeForm form)
{
    if (form == UnicodeForm::None)
        return bytes;
    const std::string_view mark = ByteOrderMark(form);
    UnicodeDecoder decoder(form);
    std::string text;
    decoder.Decode(std::string_view(bytes).substr(mark.size()), text);
    decoder.Finish(text);
    return std::string(mark) + EncodeUnicode(text, form);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    AppSettings settings;
    settings.TabSize = static_cast<std::uint8_t>(1 + data[0] / 4 % 15);
    settings.CreateBak = 0;
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    FakeFileSystem fs;
    fs.files["C:\\f.txt"] = bytes;
    FakePrompts prompts;
    prompts.passwords = {"pw", "pw"};
    CTextDoc doc(settings, nullptr, &fs, &prompts);
    if (!doc.OnOpenDocument("C:\\f.txt", {std::nullopt, ChosenLineEnd(data[0] % 4)}) || doc.GetCodePage() > CP_WIN)
        std::abort();
    if (doc.SavesOnlyElsewhere()) { // characters cp1251 lacks: the file stays as it is
        if (doc.DoFileSave() || fs.files["C:\\f.txt"] != bytes)
            std::abort();
        return 0;
    }
    if (!doc.OnSaveDocument("C:\\f.txt"))
        std::abort();
    if (doc.IsEncrypted())
        return 0; // the text went through the cipher both ways
    if (fs.files["C:\\f.txt"] != Expected(bytes, doc.GetUnicodeForm()))
        std::abort();
    return 0;
}
