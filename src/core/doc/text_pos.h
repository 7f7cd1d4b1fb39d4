#pragma once

// A place in a document: col is the cell index in the stored line (a tab cell
// counts every column it covers), line the line index.
struct TextPos {
    int col = 0;
    int line = 0;

    friend bool operator==(const TextPos&, const TextPos&) = default;
    friend bool operator<(const TextPos& a, const TextPos& b)
    {
        return a.line < b.line || (a.line == b.line && a.col < b.col);
    }
};

// The last line a command on whole lines takes from a selection start..end:
// one that ends at the start of a line leaves that line out.
constexpr int LastLineOf(TextPos start, TextPos end)
{
    return end.col == 0 && end.line > start.line ? end.line - 1 : end.line;
}
