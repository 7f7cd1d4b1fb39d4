#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The plain-text format of the favorites list, interface languages, keyboard
// layouts, translit tables and highlight definitions: a header line, ";"
// comment lines and key=value entries.
inline constexpr std::string_view kSetupFileHeader = "#Noveda setup file";

class SetupReader {
public:
    // Lines longer than this come back in pieces, each read as a line.
    static constexpr std::size_t kLongestLine = 254;

    // Refused (nothing) when the file cannot be read or its first line is
    // not exactly the header.
    static std::optional<SetupReader> Open(const std::string& path);
    static std::optional<SetupReader> FromText(std::string text);

    // The next line that is neither a comment nor empty, trimmed of blanks
    // and tabs at both ends. False at the end of the file.
    bool ReadSetupLine(std::string& line);
    // The next line that is not a comment, split at its first "=": the key
    // trimmed at both ends, the value at its start only. A line without "="
    // is all key; an empty line gives an empty key. False at the end.
    // `line`, when given, gets the whole line as read.
    bool ReadSetupEntry(std::string& key, std::string& value, std::string* line = nullptr);

private:
    explicit SetupReader(std::string text) : m_text(std::move(text)) {}
    bool NextRawLine(std::string_view& line);

    std::string m_text;
    std::size_t m_pos = 0;
};

// Writes a setup file: the header and two comment lines, then `lines`, each
// ended with CR LF. Returns false when the file cannot be written.
bool WriteSetupFile(const std::string& path, const std::vector<std::string>& lines);

std::string_view TrimBlanks(std::string_view text);
std::string_view TrimLeadingBlanks(std::string_view text);
