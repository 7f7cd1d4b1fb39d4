// Any bytes as a setup file: lines and entries come back without a crash,
// and none is longer than the reader allows.
#include "core/text/setup_file.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size);
    // Half the inputs get the header, so the reader goes past it.
    if (size > 0 && data[0] & 1)
        text = "#Noveda setup file\r\n" + text.substr(1);
    auto reader = SetupReader::FromText(text);
    if (!reader)
        return 0;
    std::string line, key, value;
    for (bool more = true; more;) {
        more = reader->ReadSetupLine(line) && reader->ReadSetupEntry(key, value);
        if (line.size() > SetupReader::kLongestLine || key.size() > SetupReader::kLongestLine)
            std::abort();
    }
    return 0;
}
