#pragma once

#include "core/doc/doc_strings.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the output window holds of a child's output, and what it makes of it.

// The line the window shows when a child cannot be started.
inline constexpr DocString kCannotStartTool{7120, "Error starting subprocess"};

// A child's output as it arrives in reads of any size, cut into pieces that
// end after each line feed (the remainder of a read is a piece too). A lone
// line feed becomes CR LF: the window breaks lines at CR LF only.
class OutputPieces {
public:
    std::vector<std::string> Cut(std::string_view read);

private:
    bool m_afterCr = false; // the previous read ended with a CR
};

// The window keeps about the last 60000 characters: when `added` more would
// take the `held` ones past that, it drops the oldest 10000 at a time. The
// count to drop; the new text itself is always kept.
inline constexpr std::size_t kOutputKeep = 60000;
inline constexpr std::size_t kOutputCut = 10000;
std::size_t OutputCharsToDrop(std::size_t held, std::size_t added);

// Where a line "<path>(<n>) :<text>" of the finder or a compiler points.
struct JumpTarget {
    std::string path;
    unsigned long line = 0; // from 1; 0 when the digits are missing
};
// Nothing when the line has no ") :". The path is what comes before the
// last "(" in front of it, empty when there is none.
std::optional<JumpTarget> JumpTargetOf(std::string_view line);

// The window's text as a file: every line, the last one too, ends with CR LF.
std::string OutputFileText(std::string_view text);
