#include "core/doc/align.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace {

using Words = std::vector<std::string_view>;

bool IsBreak(char ch)
{
    return ch == ' ' || ch == '\r' || ch == '\n';
}

// The words of each paragraph; without keepParagraphs the text is one.
std::vector<Words> Paragraphs(std::string_view text, bool keepParagraphs)
{
    std::vector<Words> paragraphs(1);
    std::size_t i = 0;
    while (i < text.size()) {
        if (keepParagraphs && text.substr(i, 4) == "\r\n\r\n") {
            if (!paragraphs.back().empty())
                paragraphs.emplace_back();
            i += 4;
            continue;
        }
        if (IsBreak(text[i])) {
            ++i;
            continue;
        }
        const std::size_t start = i;
        while (i < text.size() && !IsBreak(text[i]))
            ++i;
        paragraphs.back().push_back(text.substr(start, i - start));
    }
    return paragraphs;
}

std::string Place(std::string line, const AlignOptions& o)
{
    const int length = static_cast<int>(line.size());
    int shift = o.leftMargin;
    if (o.mode == AlignMode::Center)
        shift = (o.rightMargin - length - o.leftMargin) / 2 + o.leftMargin;
    else if (o.mode == AlignMode::Right)
        shift = o.rightMargin - length;
    return std::string(static_cast<std::size_t>(std::max(shift, 0)), ' ') + line;
}

} // namespace

std::string AlignParagraphs(const std::string& text, const AlignOptions& o,
                            const std::function<void(std::size_t placed)>& placed)
{
    const int width = o.rightMargin - o.leftMargin - 1;
    std::string out;
    for (const Words& words : Paragraphs(text, o.keepParagraphs)) {
        if (words.empty())
            continue;
        if (!out.empty())
            out += "\r\n\r\n";
        std::size_t w = 0;
        bool firstLine = true;
        do {
            const int indent = firstLine ? std::max(o.firstIndent, 0) : 0;
            const int room = width - indent;
            // Take words while they and one blank between each pair fit.
            std::size_t end = w;
            int used = 0;
            int letters = 0;
            while (end < words.size()) {
                const int next = used + (end > w ? 1 : 0) + static_cast<int>(words[end].size());
                if (end > w && next > room)
                    break;
                used = next;
                letters += static_cast<int>(words[end].size());
                ++end;
            }
            const bool lastOfParagraph = end >= words.size();
            const int gaps = static_cast<int>(end - w) - 1;
            std::string line(static_cast<std::size_t>(indent), ' ');
            for (std::size_t k = w; k < end; ++k) {
                if (k > w) {
                    int blanks = 1;
                    if (o.mode == AlignMode::Justify && !lastOfParagraph && gaps > 0) {
                        const int free = room - letters;
                        const int gap = static_cast<int>(k - w) - 1;
                        blanks = free / gaps + (gap < free % gaps ? 1 : 0);
                    }
                    line.append(static_cast<std::size_t>(std::max(blanks, 1)), ' ');
                }
                line += words[k];
            }
            if (!firstLine)
                out += "\r\n";
            out += Place(std::move(line), o);
            firstLine = false;
            if (placed && end > w)
                placed(static_cast<std::size_t>(words[end - 1].data() + words[end - 1].size() - text.data()));
            w = end;
        } while (w < words.size());
    }
    return out;
}
