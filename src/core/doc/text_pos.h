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
