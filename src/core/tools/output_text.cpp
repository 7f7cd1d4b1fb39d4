#include "core/tools/output_text.h"

#include <limits>

std::vector<std::string> OutputPieces::Cut(std::string_view read)
{
    std::vector<std::string> pieces;
    std::string piece;
    for (std::size_t i = 0; i < read.size(); ++i) {
        const char c = read[i];
        if (c == '\n') {
            const bool afterCr = i > 0 ? read[i - 1] == '\r' : m_afterCr;
            if (!afterCr)
                piece += '\r';
            piece += '\n';
            pieces.push_back(std::move(piece));
            piece.clear();
        } else {
            piece += c;
        }
    }
    if (!read.empty())
        m_afterCr = read.back() == '\r';
    if (!piece.empty())
        pieces.push_back(std::move(piece));
    return pieces;
}

std::size_t OutputCharsToDrop(std::size_t held, std::size_t added)
{
    std::size_t drop = 0;
    while (held - drop + added > kOutputKeep && held - drop >= kOutputCut)
        drop += kOutputCut;
    if (held - drop + added > kOutputKeep) // less than one cut is left: it goes too
        drop = held;
    return drop;
}

std::optional<JumpTarget> JumpTargetOf(std::string_view line)
{
    const std::size_t end = line.find(") :");
    if (end == std::string_view::npos)
        return std::nullopt;
    const std::string_view head = line.substr(0, end);
    const std::size_t open = head.rfind('(');
    if (open == std::string_view::npos)
        return JumpTarget{};
    JumpTarget target{std::string(head.substr(0, open)), 0};
    constexpr unsigned long kLargest = std::numeric_limits<unsigned long>::max() / 10 - 9;
    for (std::size_t i = open + 1; i < head.size() && head[i] >= '0' && head[i] <= '9'; ++i) {
        if (target.line > kLargest)
            return JumpTarget{}; // no file has that many lines
        target.line = target.line * 10 + static_cast<unsigned long>(head[i] - '0');
    }
    return target;
}

std::string OutputFileText(std::string_view text)
{
    std::string file(text);
    if (!file.empty() && !file.ends_with("\r\n"))
        file += "\r\n";
    return file;
}
