#pragma once

#include "core/text/find_byte.h"

#include <cstring>
#include <string_view>

// Finds the line ends of a file's bytes, block after block. A byte that
// breaks a started line end stays in the line together with the bytes
// matched before it, and is not tried as the start of a new line end: with
// CR LF, the bytes CR CR LF end no line.
class LineEndScanner {
public:
    explicit LineEndScanner(std::string_view lineEnd) : m_end(lineEnd) {}

    // `content` (const char*, size_t) gets the bytes of lines, `lineBreak`
    // () is called at each complete line end.
    template <typename Content, typename Break>
    void Scan(const char* bytes, std::size_t size, Content&& content, Break&& lineBreak)
    {
        std::size_t i = 0;
        while (i < size) {
            if (m_matched > 0) {
                if (bytes[i] == m_end[m_matched]) {
                    ++i;
                    if (++m_matched == m_end.size()) {
                        m_matched = 0;
                        lineBreak();
                    }
                } else {
                    content(m_end.data(), m_matched);
                    m_matched = 0;
                    content(bytes + i, 1);
                    ++i;
                }
                continue;
            }
            const char* hit = FindByte(bytes + i, bytes + size, m_end[0]);
            const std::size_t stop = hit ? static_cast<std::size_t>(hit - bytes) : size;
            if (stop > i)
                content(bytes + i, stop - i);
            if (!hit)
                return;
            i = stop + 1;
            if (m_end.size() == 1)
                lineBreak();
            else
                m_matched = 1;
        }
    }

    // At the end of the file a started line end belongs to the last line.
    template <typename Content>
    void Finish(Content&& content)
    {
        if (m_matched > 0)
            content(m_end.data(), m_matched);
        m_matched = 0;
    }

private:
    std::string_view m_end;
    std::size_t m_matched = 0;
};

// The bytes that end a line of each line-end type: CR LF, LF, LF CR.
inline std::string_view LineEndBytes(unsigned type)
{
    static constexpr std::string_view kEnds[] = {"\r\n", "\n", "\n\r"};
    return kEnds[type < 3 ? type : 0];
}
