#include "core/view/highlight_scheme.h"

#include "core/settings/app_settings.h"
#include "core/settings/command_ids.h"
#include "core/text/cp1251.h"
#include "core/text/extension_list.h"
#include "core/text/setup_file.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace {

const std::string kDefaultLinkEnds = std::string("\x05\x07\x06\xB6 '\"[]{}()+\\|!@#$^&*;>,<");
constexpr std::string_view kNotLinkEnds = "-%~:?./";

std::uint8_t Byte(char ch)
{
    return static_cast<std::uint8_t>(ch);
}

void Mark(std::array<bool, 256>& table, std::string_view bytes)
{
    table.fill(false);
    for (char ch : bytes)
        table[Byte(ch)] = true;
}

std::string TrimEnd(std::string text)
{
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.pop_back();
    return text;
}

} // namespace

HighlightScheme::HighlightScheme()
    : m_nodes(1)
    , m_linkEnds(kDefaultLinkEnds)
{
    m_delimiters = m_linkEnds + "-%~:?./=";
    UpdateByteClasses();
}

HighlightScheme HighlightScheme::PlainText()
{
    HighlightScheme plain;
    plain.AddLinkPrefixes();
    plain.m_extensions = "txt ";
    plain.m_loaded = 1;
    return plain;
}

void HighlightScheme::UpdateByteClasses()
{
    Mark(m_isDelimiter, m_delimiters);
    Mark(m_isLinkEnd, m_linkEnds);
    Mark(m_isStringChar, m_stringChars);
    m_isCommentStart.fill(false);
    for (const std::string& open : m_commentOpen) {
        if (!open.empty())
            m_isCommentStart[Byte(open.front())] = true;
    }
    for (int b = 0; b < 256; ++b)
        m_opensSpan[b] = m_isCommentStart[b] || m_isStringChar[b];
    m_coloursWholeWords = true;
    for (int b = 0; b < 256; ++b)
        m_coloursWholeWords = m_coloursWholeWords && (!m_opensSpan[b] || m_isDelimiter[b]);
    // The keywords a word byte begins may hold no delimiter after it.
    std::vector<std::size_t> below;
    for (std::uint8_t b = 32; b < 128; ++b) {
        if (MayBeWordByte(b) && (m_nodes[0][b - 32] & kChildMask))
            below.push_back(m_nodes[0][b - 32] & kChildMask);
    }
    while (m_coloursWholeWords && !below.empty()) {
        const std::size_t node = below.back();
        below.pop_back();
        for (std::uint8_t b = 32; b < 128; ++b) {
            const std::uint16_t entry = m_nodes[node][b - 32];
            if (entry != 0 && MayBeDelimiter(b))
                m_coloursWholeWords = false;
            if (entry & kChildMask)
                below.push_back(entry & kChildMask);
        }
    }
}

// A trie byte that a word's byte reaches, itself or folded to lower case.
bool HighlightScheme::MayBeWordByte(std::uint8_t b) const
{
    return !m_isDelimiter[b] || (b >= 'a' && b <= 'z' && !m_isDelimiter[b - 32]);
}

// The group of the keyword `word` is, 0 when it is none; kLinkGroup when a
// link prefix begins it.
int HighlightScheme::GroupOfWord(std::string_view word) const
{
    std::size_t node = 0;
    for (std::size_t k = 0;; ++k) {
        const std::uint8_t b = FoldedByte(word[k]);
        if (b < 32 || b > 127)
            return 0;
        const std::uint16_t entry = m_nodes[node][b - 32];
        const int group = entry >> kGroupShift;
        if (k + 1 == word.size() || group == kLinkGroup)
            return group;
        node = entry & kChildMask;
        if (node == 0)
            return 0;
    }
}

// A byte as the keyword trie knows it: folded to lower case when case does
// not matter.
std::uint8_t HighlightScheme::FoldedByte(char ch) const
{
    const std::uint8_t b = Byte(ch);
    return !m_caseSensitive && b >= 'A' && b <= 'Z' ? static_cast<std::uint8_t>(b + 32) : b;
}

// No keyword begins with the byte, as the scanner folds it.
bool HighlightScheme::StartsNoKeyword(char ch) const
{
    const std::uint8_t b = FoldedByte(ch);
    return b < 32 || b > 127 || m_nodes[0][b - 32] == 0;
}

// A trie byte a delimiter reaches, itself or folded to lower case.
bool HighlightScheme::MayBeDelimiter(std::uint8_t b) const
{
    return m_isDelimiter[b] || (b >= 'a' && b <= 'z' && m_isDelimiter[b - 32]);
}

bool HighlightScheme::IsDelimiter(char ch) const
{
    return m_isDelimiter[Byte(ch)];
}

bool HighlightScheme::LoadScheme()
{
    if (m_loaded)
        return true;
    if (m_fileName.empty()) {
        m_loaded = 1;
        return true;
    }
    auto reader = SetupReader::Open(m_fileName);
    if (!reader)
        return false;
    ReadDefinition(*reader);
    return true;
}

void HighlightScheme::ReadDefinition(SetupReader& reader)
{
    std::string key, value, line;
    int group = 0;
    bool groupSet = false;
    while (reader.ReadSetupEntry(key, value, &line)) {
        if (key.empty())
            continue;
        value = TrimEnd(value);
        key = ToLowerCp1251(key);
        if (const std::size_t at = value.find("\\n"); at != std::string::npos)
            value.replace(at, 2, "\n");
        const std::string lowerValue = ToLowerCp1251(value);
        if (key == "@delimiters") {
            m_delimiters = std::string("\x05\x07\x06 \t") + value;
            m_linkEnds.clear();
            for (char ch : m_delimiters) {
                if (kNotLinkEnds.find(ch) == std::string_view::npos)
                    m_linkEnds.push_back(ch);
            }
        } else if (key == "@string_chars") {
            m_stringChars = value;
        } else if (key.size() > 8 && key.compare(0, 8, "@comment") == 0) {
            const int kind = key[8] == '2' ? 1 : 0;
            const std::size_t comma = value.find(',');
            if (comma != std::string::npos) {
                m_commentOpen[kind] = value.substr(0, comma);
                m_commentClose[kind] = value.substr(comma + 1);
                const std::string& open = m_commentOpen[kind];
                m_openNeedsDelimiter[kind] = !open.empty() && std::isalnum(Byte(open.back()));
            } else {
                m_commentOpen[kind] = value;
                m_commentClose[kind] = "\n";
            }
        } else if (key == "@http_hilite") {
            if (lowerValue == "on")
                AddLinkPrefixes();
        } else if (key == "@case_sensitive") {
            m_caseSensitive = lowerValue == "on";
        } else if (key.size() > 6 && key.compare(0, 6, "@group") == 0) {
            group = key[6] - '0';
            groupSet = true;
        } else if (groupSet) {
            // A keyword line: its own text, split at single blanks.
            const std::string words = TrimEnd(line);
            std::size_t start = 0;
            while (start <= words.size()) {
                const std::size_t blank = std::min(words.find(' ', start), words.size());
                AddKeyword(std::string_view(words).substr(start, blank - start), group);
                start = blank + 1;
            }
        }
    }
    UpdateByteClasses();
    m_loaded = 1;
}

void HighlightScheme::AddKeyword(std::string_view word, int group)
{
    if (word.empty())
        return;
    const std::string text = m_caseSensitive ? std::string(word) : ToLowerCp1251(word);
    if (MayBeWordByte(Byte(text[0])) &&
        std::any_of(text.begin() + 1, text.end(), [&](char c) { return MayBeDelimiter(Byte(c)); }))
        m_coloursWholeWords = false;
    std::size_t node = 0;
    for (std::size_t k = 0; k + 1 < text.size(); ++k) {
        const std::uint8_t b = Byte(text[k]);
        if (b < 32 || b > 127)
            return;
        std::uint16_t& entry = m_nodes[node][b - 32];
        if ((entry & kChildMask) == 0) {
            // The child index has 13 bits: a full trie takes no more words.
            if (m_nodes.size() >= kMaxNodes)
                return;
            entry = static_cast<std::uint16_t>(entry | m_nodes.size());
            m_nodes.emplace_back();
            m_nodes.back().fill(0);
        }
        node = m_nodes[node][b - 32] & kChildMask;
    }
    const std::uint8_t last = Byte(text.back());
    if (last >= 32 && last <= 127)
        m_nodes[node][last - 32] = static_cast<std::uint16_t>(m_nodes[node][last - 32] | ((group & 7) << kGroupShift));
}

std::vector<std::pair<std::string, int>> HighlightScheme::CollectKeywords(std::string_view prefix) const
{
    std::vector<std::pair<std::string, int>> words;
    std::size_t node = 0;
    for (std::size_t k = 0; k < prefix.size(); ++k) {
        const std::uint8_t b = Byte(prefix[k]);
        if (b < 32 || b > 127)
            return words;
        const std::uint16_t entry = m_nodes[node][b - 32];
        const int group = entry >> kGroupShift;
        if (k + 1 == prefix.size() && group != 0) {
            words.emplace_back(prefix, group);
            return words;
        }
        node = entry & kChildMask;
        if (node == 0)
            return words;
    }
    std::string word(prefix);
    CollectBelow(node, word, words);
    return words;
}

// Depth at most the longest keyword, which a line bounds.
void HighlightScheme::CollectBelow(std::size_t node, std::string& word,
                                   std::vector<std::pair<std::string, int>>& out) const
{
    for (int b = 32; b < 128; ++b) {
        const std::uint16_t entry = m_nodes[node][static_cast<std::size_t>(b - 32)];
        if (entry == 0)
            continue;
        word += static_cast<char>(b);
        if (const int group = entry >> kGroupShift)
            out.emplace_back(word, group);
        if (const std::size_t child = entry & kChildMask)
            CollectBelow(child, word, out);
        word.pop_back();
    }
}

void HighlightScheme::AddLinkPrefixes()
{
    for (const char* prefix : {"http://", "ftp://", "news://"})
        AddKeyword(prefix, kLinkGroup);
    m_linksOn = 1;
}

void HighlightScheme::Flush(std::string_view text, std::size_t from, std::size_t to, std::uint8_t* attrs) const
{
    for (std::size_t j = from; j < to; ++j)
        attrs[j] = m_isDelimiter[Byte(text[j])] ? ATTR_DELIMITER : ATTR_TEXT;
}

std::uint8_t HighlightScheme::Scan(std::uint8_t state, std::string_view text, std::uint8_t* attrs) const
{
    const std::size_t n = text.size();
    std::size_t i = 0;
    std::size_t s = 0;
    std::size_t node = 0;
    auto delimiterAt = [&](std::size_t j) { return j >= n || m_isDelimiter[Byte(text[j])]; };
    while (i < n) {
        if (state == STATE_NORMAL && !attrs) {
            // Only comment openers can change the state: skip to the next.
            while (i < n && !m_isCommentStart[Byte(text[i])])
                ++i;
            if (i == n)
                break;
        }
        std::size_t searchFrom = i;
        // One lookup tells most bytes from those that may open a comment or a string.
        const bool mayOpen = state == STATE_NORMAL && m_opensSpan[Byte(text[i])];
        if (mayOpen && m_isCommentStart[Byte(text[i])]) {
            for (int kind = 0; kind < 2; ++kind) {
                const std::string& open = m_commentOpen[kind];
                if (!open.empty() && text.substr(i, open.size()) == open &&
                    (!m_openNeedsDelimiter[kind] || delimiterAt(i + open.size()))) {
                    state = static_cast<std::uint8_t>(kind);
                    searchFrom = i + open.size();
                }
            }
        }
        if (state == STATE_COMMENT1 || state == STATE_COMMENT2) {
            if (attrs)
                Flush(text, s, i, attrs);
            const std::string& close = m_commentClose[state];
            const std::size_t found = text.find(close, std::min(searchFrom, n));
            const std::size_t stop = found == std::string_view::npos ? n : found + close.size();
            if (attrs) {
                for (std::size_t j = i; j < stop; ++j)
                    attrs[j] = ATTR_COMMENT;
            }
            s = i = stop;
            node = 0;
            if (found == std::string_view::npos && close != "\n")
                return state; // the comment goes on in the next line
            state = STATE_NORMAL;
            continue;
        }
        if (!attrs) {
            ++i;
            continue;
        }
        const char ch = text[i];
        if (m_coloursWholeWords && node == 0 && s == i && !m_isDelimiter[Byte(ch)]) {
            // The rest of a word: a keyword only as a whole word after a delimiter.
            std::size_t end = i + 1;
            while (end < n && !m_isDelimiter[Byte(text[end])])
                ++end;
            const bool wordStart = i == 0 || m_isDelimiter[Byte(text[i - 1])];
            const int group = wordStart ? GroupOfWord(text.substr(i, end - i)) : 0;
            if (group != kLinkGroup) { // a link runs on past the word: the walk below
                std::memset(attrs + i, group ? group : ATTR_TEXT, end - i);
                s = i = end;
                continue;
            }
        }
        if (node == 0 && s == i && !mayOpen && StartsNoKeyword(ch)) {
            // Plain bytes up to one that may begin a keyword, comment or string.
            std::size_t end = i + 1;
            while (end < n && !m_opensSpan[Byte(text[end])] && StartsNoKeyword(text[end]))
                ++end;
            Flush(text, i, end, attrs);
            s = i = end;
            continue;
        }
        if (mayOpen && m_isStringChar[Byte(ch)]) {
            Flush(text, s, i, attrs);
            const std::size_t close = text.find(ch, i + 1);
            const std::size_t stop = close == std::string_view::npos ? n : close + 1;
            for (std::size_t j = i; j < stop; ++j)
                attrs[j] = ATTR_STRING;
            s = i = stop;
            node = 0;
            continue;
        }
        const std::uint8_t b = FoldedByte(ch);
        int group = 0;
        if (b < 32 || b > 127) {
            node = 0;
        } else {
            const std::size_t previous = node;
            const std::uint16_t entry = m_nodes[node][b - 32];
            node = entry & kChildMask;
            group = entry >> kGroupShift;
            if (node == 0 && previous != 0 && group == 0)
                --i; // the match broke: look at this byte again from the root
        }
        if (group != 0) {
            const char before = s == 0 ? m_delimiters.front() : text[s - 1];
            const char after = i + 1 >= n ? m_delimiters.front() : text[i + 1];
            if (group == kLinkGroup && IsDelimiter(before)) {
                std::size_t end = i;
                while (end < n && !m_isLinkEnd[Byte(text[end])])
                    ++end;
                for (std::size_t j = s; j < end; ++j)
                    attrs[j] = ATTR_LINK;
                s = end;
                i = end + 1;
                node = 0;
                continue;
            }
            if ((IsDelimiter(before) || IsDelimiter(text[s])) && (IsDelimiter(after) || IsDelimiter(text[i]))) {
                for (std::size_t j = s; j <= i; ++j)
                    attrs[j] = static_cast<std::uint8_t>(group);
                s = i = i + 1;
                continue;
            }
        }
        if (node == 0) {
            Flush(text, s, i + 1, attrs);
            s = i + 1;
        }
        ++i;
    }
    if (attrs)
        Flush(text, std::min(s, n), n, attrs);
    return n > 0 ? STATE_NORMAL : state;
}

std::optional<std::string> GetDescription(const std::string& path)
{
    auto reader = SetupReader::Open(path);
    if (!reader)
        return std::nullopt;
    std::string key, value;
    while (reader->ReadSetupEntry(key, value)) {
        if (ToLowerCp1251(key) == "@description")
            return TrimEnd(value);
    }
    return path;
}

std::vector<HighlightScheme> LoadHighlightSchemes(const std::vector<SchemeEntry>& entries, int& defaultScheme)
{
    std::vector<HighlightScheme> schemes{HighlightScheme::PlainText()};
    schemes.front().m_description = "Plain text";
    for (const SchemeEntry& entry : entries) {
        const auto description = GetDescription(entry.dataFile);
        if (!description)
            continue;
        HighlightScheme scheme;
        scheme.m_fileName = entry.dataFile;
        scheme.m_extensions = entry.extensions;
        scheme.m_description = *description;
        schemes.push_back(std::move(scheme));
    }
    defaultScheme = std::clamp(defaultScheme, 0, static_cast<int>(schemes.size()) - 1);
    return schemes;
}

Menu ViewSourceAsItems(const std::vector<HighlightScheme>& schemes)
{
    Menu items;
    for (std::size_t k = 1; k < schemes.size() && ID_VIEW_SOURCE_FIRST + k <= ID_VIEW_SOURCE_LAST; ++k)
        items.push_back(MenuItem::Command(ID_VIEW_SOURCE_FIRST + static_cast<unsigned>(k), schemes[k].m_description));
    items.push_back(MenuItem::Separator());
    items.push_back(MenuItem::Command(ID_VIEW_SET_DEFAULT_SCHEME, "Set as default"));
    return items;
}

int SchemeForExtension(std::vector<HighlightScheme>& schemes, std::string_view ext, int defaultScheme)
{
    if (ext.empty())
        return defaultScheme;
    int chosen = defaultScheme;
    for (std::size_t k = 0; k < schemes.size(); ++k) {
        if (ExtensionListHas(schemes[k].m_extensions, ext)) {
            chosen = static_cast<int>(k);
            break;
        }
    }
    if (chosen < 0 || chosen >= static_cast<int>(schemes.size()) || !schemes[static_cast<std::size_t>(chosen)].LoadScheme())
        return 0;
    return chosen;
}
