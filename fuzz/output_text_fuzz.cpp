// Any bytes as a child's output, read in pieces of the size the first byte
// gives: the pieces put together are the output with every line feed after
// a CR, no piece holds a line feed before its end, and every line that
// names a jump target names a path that starts it.
#include "core/tools/output_text.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::size_t readSize = data[0] % 64 + 1;
    const std::string_view output(reinterpret_cast<const char*>(data + 1), size - 1);
    OutputPieces pieces;
    std::string joined;
    for (std::size_t at = 0; at < output.size(); at += readSize) {
        for (const std::string& piece : pieces.Cut(output.substr(at, readSize))) {
            const std::size_t lineFeed = piece.find('\n');
            if (lineFeed != std::string::npos && lineFeed + 1 != piece.size())
                std::abort();
            joined += piece;
        }
    }
    std::string expected;
    for (std::size_t i = 0; i < output.size(); ++i) {
        if (output[i] == '\n' && (i == 0 || output[i - 1] != '\r'))
            expected += '\r';
        expected += output[i];
    }
    if (joined != expected)
        std::abort();
    std::size_t start = 0;
    while (start < joined.size()) {
        const std::size_t end = joined.find('\n', start);
        const std::string_view line = std::string_view(joined).substr(start, end - start);
        if (const std::optional<JumpTarget> target = JumpTargetOf(line))
            if (!target->path.empty() && (!line.starts_with(target->path) || line[target->path.size()] != '('))
                std::abort();
        start = end == std::string::npos ? joined.size() : end + 1;
    }
    return 0;
}
