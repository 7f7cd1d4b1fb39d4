// Any bytes as a file: it loads, and saving gives the same bytes back but
// for tab cells (byte 7 comes back as TAB, byte 6 is dropped).
#include "core/doc/text_doc.h"
#include "core/settings/app_settings.h"
#include "support/fake_file_system.h"
#include "support/fake_prompts.h"
#include "support/saved_form.h"

#include <cstdint>
#include <cstdlib>
#include <string>

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
    if (!doc.OnSaveDocument("C:\\f.txt"))
        std::abort();
    if (doc.IsEncrypted())
        return 0; // the text went through the cipher both ways
    if (fs.files["C:\\f.txt"] != SavedForm(bytes))
        std::abort();
    return 0;
}
