#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

// Interface strings the core and its windows show, with their English texts;
// a language file may give others.
struct DocString {
    std::uint32_t id;
    const char* text;
};

// The interface language's text for an id, if it has one.
using StringLookup = std::function<std::optional<std::string>(std::uint32_t id)>;
inline std::string TextOf(const DocString& string, const StringLookup& strings)
{
    std::optional<std::string> found = strings ? strings(string.id) : std::nullopt;
    return found ? *found : string.text;
}
inline constexpr DocString kCannotOpenFile{5040, "Cannot open file %s"};
inline constexpr DocString kFileTooLarge{5041, "The file %s is too large to open"};
inline constexpr DocString kReloadQuestion{
    5042, "You will lost all changes in current file.\n Are you sure you want to proceed?"};
inline constexpr DocString kCannotSaveFile{5043, "Cannot save file %s"};
inline constexpr DocString kInsertFileTitle{5005, "Insert File"};
inline constexpr DocString kBrowseLink{5015, "Browse this link..."};
inline constexpr DocString kAutoChoice{5045, "Auto"};
inline constexpr DocString kUnmappedCharacters{
    5052, "%s holds characters the Cyrillic code pages do not have (the first: %u in line %d); they are shown as ?."
          "\nThe file is kept as it is; Save As can keep this text in another file."};
inline constexpr DocString kReadOnlyMark{5066, "[read-only]"};
inline constexpr DocString kReadOnlyNote{5067, "Read-only: Save As keeps this text in another file"};
inline constexpr DocString kLooksBinary{5069, "This file looks binary"};
inline constexpr DocString kLosingCharacters{
    5068, "%d characters of this text are shown as ? because the Cyrillic code pages do not have them, and will "
          "be saved as ?.\nSave anyway?"};
inline constexpr DocString kWrongPassword{
    5051, "The password seems to be wrong: %s could not be deciphered.\nThe file is kept as it is; Save As can keep "
          "this text in another file."};
inline constexpr DocString kTextFilesType{5070, "Text files (*.txt;*.log;*.ini)"};
inline constexpr DocString kAllFilesType{5071, "All files (*.*)"};
inline constexpr DocString kEncryptedFilesType{5072, "Encrypted files (*.crp)"};
inline constexpr DocString kReplaceFileQuestion{5073, "%s already exists.\nDo you want to replace it?"};
inline constexpr DocString kCaretPosition{5074, "Line: %1 / %2\t\tCol:%3"};
inline constexpr DocString kReady{7000, "Ready"};
inline constexpr DocString kOutputTitle{5075, "Output"};
inline constexpr DocString kAboutTitle{5076, "About Noveda"};
inline constexpr DocString kAboutText{5077, "Noveda %s\nA plain-text editor for Russian text in five code pages."};
inline constexpr DocString kLanguageChoice{5078, "%s language"};
inline constexpr DocString kLayoutChoice{5079, "%s layout"};
inline constexpr DocString kTableChoice{5080, "%s table"};
inline constexpr DocString kNoLayoutChoice{5081, "No internal layout"};
inline constexpr DocString kNoTableChoice{5082, "No transliteration table"};
inline constexpr DocString kRussianLanguageChoice{5083, "Russian language"};
inline constexpr DocString kRussianLayoutChoice{5084, "Russian layout"};
inline constexpr DocString kGostTableChoice{5085, "GOST 7.79 transliteration"};
inline constexpr DocString kShippedFooter{5086, "Page &p of &P"};
