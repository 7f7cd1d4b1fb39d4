#pragma once

#include "core/settings/menu_model.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class SetupReader;
struct SchemeEntry;

// Colouring states, kept per line: the state at the end of a line is the
// state its next line starts in.
constexpr std::uint8_t STATE_COMMENT1 = 0;
constexpr std::uint8_t STATE_COMMENT2 = 1;
constexpr std::uint8_t STATE_NORMAL = 2;

// Attribute bytes the scanner gives each cell: colour slots.
constexpr std::uint8_t ATTR_TEXT = 0;
constexpr std::uint8_t ATTR_LINK = 7;
constexpr std::uint8_t ATTR_STRING = 10;
constexpr std::uint8_t ATTR_DELIMITER = 11;
constexpr std::uint8_t ATTR_COMMENT = 12;

// How the text of one file type is coloured: keywords in six groups (and
// hot-link prefixes) in a trie, two kinds of comments, string quotes,
// delimiters. Read from a *.hgh setup file.
class HighlightScheme {
public:
    // A trie node: one entry per byte 32..127. An entry holds the child
    // node in bits 0-12 and the group of a word ending here in bits 13-15.
    using Node = std::array<std::uint16_t, 96>;
    static constexpr std::uint16_t kChildMask = 0x1FFF;
    static constexpr int kGroupShift = 13;
    static constexpr std::size_t kMaxNodes = kChildMask; // 8191 addressable
    static constexpr std::uint8_t kLinkGroup = 7;

    HighlightScheme();
    // "Plain text": no file, the hot-link prefixes, extension "txt ".
    static HighlightScheme PlainText();

    // Reads the definition file once. True when the scheme is usable.
    bool LoadScheme();
    void ReadDefinition(SetupReader& reader);
    void AddKeyword(std::string_view word, int group);
    void AddLinkPrefixes();

    // Colours one line of cells; returns the state at its end. Without
    // `attrs` only the state is computed. `attrs` gets one byte per cell.
    std::uint8_t Scan(std::uint8_t state, std::string_view text, std::uint8_t* attrs) const;

    bool IsDelimiter(char ch) const;

    // The keywords that continue `prefix` as typed (no case folding), with
    // their groups: only the prefix itself when it is a whole keyword, else
    // every word below it, depth first by byte, shorter before longer.
    std::vector<std::pair<std::string, int>> CollectKeywords(std::string_view prefix) const;

    std::size_t NodeCount() const { return m_nodes.size(); }
    // Rebuilds the byte lookups after the delimiter, link-end or string
    // character lists changed.
    void UpdateByteClasses();

    std::vector<Node> m_nodes;
    int m_loaded = 0;
    int m_caseSensitive = 1;
    std::array<int, 2> m_openNeedsDelimiter{};
    std::string m_fileName;
    std::string m_description; // the name menus show
    std::string m_extensions;
    std::string m_delimiters;
    std::string m_linkEnds;
    std::string m_stringChars;
    std::array<std::string, 2> m_commentOpen;
    std::array<std::string, 2> m_commentClose;
    int m_linksOn = 0;

private:
    void CollectBelow(std::size_t node, std::string& word, std::vector<std::pair<std::string, int>>& out) const;
    void Flush(std::string_view text, std::size_t from, std::size_t to, std::uint8_t* attrs) const;

    std::array<bool, 256> m_isDelimiter{};
    std::array<bool, 256> m_isLinkEnd{};
    std::array<bool, 256> m_isStringChar{};
    std::array<bool, 256> m_isCommentStart{}; // first bytes of the comment openers
    std::array<bool, 256> m_opensSpan{};      // comment openers' first bytes and string characters
    // No keyword that begins with a word's byte holds a delimiter, and every
    // byte that opens a comment or a string is a delimiter: then a keyword
    // walk begun inside a word dies by the word's end, a word after a
    // delimiter is a keyword only as a whole, and words are coloured whole.
    bool m_coloursWholeWords = true;
    bool MayBeDelimiter(std::uint8_t b) const;
    bool MayBeWordByte(std::uint8_t b) const;
    std::uint8_t FoldedByte(char ch) const;
    bool StartsNoKeyword(char ch) const;
    int GroupOfWord(std::string_view word) const;
};

// The display name of a definition file: its "@description", else the path;
// nothing when the file cannot be read.
std::optional<std::string> GetDescription(const std::string& path);

// The scheme list: "Plain text", then one scheme per entry whose file gives
// a description (others are dropped, later ones move down). `defaultScheme`
// is clamped to the schemes loaded besides "Plain text".
std::vector<HighlightScheme> LoadHighlightSchemes(const std::vector<SchemeEntry>& entries,
                                                  int& defaultScheme);

// The items of "View source as" after its first, "Plain text": one per
// further scheme (command 10100 + index, the description as text, at most
// up to 10150), a separator and "Set as default".
Menu ViewSourceAsItems(const std::vector<HighlightScheme>& schemes);

// The scheme for an extension key ("cpp "): the first whose extension list
// holds it at its start or after a blank, else the default scheme; loaded,
// and Plain text (0) when loading fails. An empty key gives the default
// without loading it.
int SchemeForExtension(std::vector<HighlightScheme>& schemes, std::string_view ext, int defaultScheme);
