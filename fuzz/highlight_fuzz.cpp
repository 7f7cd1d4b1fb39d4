// Any bytes as a highlight definition (before the first 0xFF byte) and lines
// to colour (after it): every cell gets an attribute, states stay valid, and
// a text without 0x7F colours as with a keyword "\x7F " added, which stops
// the scanner from cutting walks short inside words.
#include "core/text/setup_file.h"
#include "core/view/highlight_scheme.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t split = std::min(bytes.find('\xFF'), bytes.size());
    auto reader = SetupReader::FromText("#Noveda setup file\n" + bytes.substr(0, split));
    HighlightScheme scheme;
    scheme.ReadDefinition(*reader);
    if (scheme.NodeCount() > HighlightScheme::kMaxNodes)
        std::abort();
    std::uint8_t state = STATE_NORMAL;
    std::string text = split < bytes.size() ? bytes.substr(split + 1) : std::string();
    HighlightScheme walked = scheme;
    walked.AddKeyword("\x7f ", 3);
    const bool compare = text.find('\x7f') == std::string::npos;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view line = std::string_view(text).substr(start, end - start);
        std::vector<std::uint8_t> attrs(line.size(), 0xFF);
        const std::uint8_t painted = scheme.Scan(state, line, attrs.data());
        const std::uint8_t plain = scheme.Scan(state, line, nullptr);
        if (painted > STATE_NORMAL || plain > STATE_NORMAL)
            std::abort();
        for (std::uint8_t a : attrs) {
            if (a > ATTR_COMMENT)
                std::abort();
        }
        if (compare) {
            std::vector<std::uint8_t> walkedAttrs(line.size(), 0xFF);
            if (walked.Scan(state, line, walkedAttrs.data()) != painted || walkedAttrs != attrs)
                std::abort();
        }
        state = plain;
        start = end + 1;
    }
    return 0;
}
