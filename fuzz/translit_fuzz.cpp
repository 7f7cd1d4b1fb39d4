// Any bytes as a translit table (first half) and a line to turn back into
// Cyrillic (second half); the table's longest entry bounds every match.
#include "core/text/setup_file.h"
#include "core/text/translit.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t half = bytes.size() / 2;
    auto reader = SetupReader::FromText("#Noveda setup file\n" + bytes.substr(0, half));
    TranslitTable table;
    ReadTranslitTable(*reader, table);
    if (table.count > 64 || table.maxLength > static_cast<int>(SetupReader::kLongestLine))
        std::abort();
    std::string line = bytes.substr(half);
    const int to = size ? data[0] % 5 : 4;
    const int start = line.empty() ? 0 : static_cast<int>(data[size - 1] % line.size());
    FromTranslit(line, table, to, start, -1, size % 2 == 0);
    ToTranslit(line, table, to, 0, -1);
    return 0;
}
