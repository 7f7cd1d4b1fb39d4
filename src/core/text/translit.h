#pragma once

#include <array>
#include <string>

class SetupReader;

// Latin spellings of the Russian letters, indexed by WIN letter - 0xC0
// (А..Я, а..я; Ё and ё have none), read from a *.ttb setup file.
struct TranslitTable {
    std::array<std::string, 64> entries;
    int count = 0;      // entries up to the highest letter the file names
    int maxLength = -1; // -1 while the file has not been read
    bool available = false; // the file named in the settings can be read

    friend bool operator==(const TranslitTable&, const TranslitTable&) = default;
};

// Each "letter = spelling" entry: the key's first byte must be a WIN letter
// 0xC0-0xFF; a later line for a letter replaces an earlier one.
void ReadTranslitTable(SetupReader& reader, TranslitTable& table);

// Replaces the bytes startCol .. endCol (both included, -1 = end of line)
// of code page `from` by their spellings.
void ToTranslit(std::string& line, const TranslitTable& table, int from, int startCol, int endCol);
// Turns spellings back into letters of code page `to`: the longest match
// wins, among equal spellings the higher letter. With skipTags nothing
// between "<" and ">" is touched.
void FromTranslit(std::string& line, const TranslitTable& table, int to, int startCol, int endCol, bool skipTags);
