// Any bytes after the header as a language file.
#include "core/app/interface_language.h"
#include "core/text/setup_file.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto reader = SetupReader::FromText("#Noveda setup file\n" + std::string(reinterpret_cast<const char*>(data), size));
    LanguageTexts texts;
    ReadLanguageFile(*reader, texts);
    if (texts.menuTexts.size() != kLastMenuTextNumber + 1)
        std::abort();
    for (const auto& [id, text] : texts.strings) {
        if (text.empty() || (id >= kFirstMenuTextNumber && id <= kLastMenuTextNumber))
            std::abort();
    }
    return 0;
}
