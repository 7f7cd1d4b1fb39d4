#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Files stored as Unicode (UTF-8 or UTF-16) and the cp1251 text a document
// holds of them.

// How a file stores its text; None: in one of the single-byte code pages.
// UTF-16 without a byte order mark is little endian.
enum class UnicodeForm : std::uint8_t { None, Utf8, Utf8Bom, Utf16Le, Utf16Be, Utf16LeNoBom };

constexpr bool IsUtf16(UnicodeForm form)
{
    return form == UnicodeForm::Utf16Le || form == UnicodeForm::Utf16Be || form == UnicodeForm::Utf16LeNoBom;
}

// The form of a file from its first bytes (`whole`: they are all of it): a
// byte order mark, else text that is valid UTF-8 and holds at least one
// multi-byte sequence. A sequence cut off by the end of the window counts
// as valid unless the window is the whole file; any invalid byte means the
// file is not UTF-8.
UnicodeForm DetectUnicodeForm(std::string_view first, bool whole);
// Tells, block by block, whether the bytes of a file that began with ASCII
// alone are UTF-8 after all: valid throughout, with a multi-byte sequence.
class Utf8Check {
public:
    void Take(std::string_view bytes);
    // The end of the file: a sequence cut off there is invalid.
    bool IsUtf8() const { return m_valid && m_multiByte && m_pending.empty(); }
    bool IsInvalid() const { return !m_valid; }

private:
    std::string m_pending; // the start of a sequence cut by a block's end
    bool m_valid = true;
    bool m_multiByte = false;
};

// The byte order mark a form begins with (none for BOM-less UTF-8).
std::string_view ByteOrderMark(UnicodeForm form);
// "UTF-8", "UTF-8 BOM" or "UTF-16"; empty for None.
std::string_view UnicodeFormName(UnicodeForm form);

// The Encoding setting and the file dialogs' Encoding box hold a code page
// (0..4), 5 for Auto, or one of these two.
inline constexpr std::uint8_t kEncodingUtf8 = 6;
inline constexpr std::uint8_t kEncodingUtf16 = 7;
// The box's item for text held in `codePage` and stored in `form`.
std::uint8_t EncodingOf(std::uint8_t codePage, UnicodeForm form);
// The code page or Unicode form an Encoding value names; nothing for Auto
// (a save then keeps how the document is stored) or a value naming neither.
std::optional<std::uint8_t> NamedEncoding(int value);

// The cp1251 byte of a character, none where cp1251 has none.
std::optional<char> Cp1251Of(char32_t character);
char32_t UnicodeOf(char cp1251);

// A character of a file that has no cp1251 byte: it became '?'. Invalid
// bytes count as U+FFFD. The line is the number of line feeds before it.
struct Unmapped {
    char32_t character;
    std::size_t line;
};

// Turns a Unicode file (after its byte order mark) into cp1251, block by
// block: a sequence cut by the end of a block is finished by the next one.
class UnicodeDecoder {
public:
    explicit UnicodeDecoder(UnicodeForm form) : m_form(form) {}
    void Decode(std::string_view bytes, std::string& out);
    // The end of the file: a cut sequence left over is one bad character.
    void Finish(std::string& out);
    const std::optional<Unmapped>& FirstUnmapped() const { return m_firstUnmapped; }
    // How many characters became '?'.
    std::size_t UnmappedCount() const { return m_unmappedCount; }

private:
    // The byte of a character, noting the first one cp1251 lacks (this
    // call's text decoded before it tells its line).
    char Byte(char32_t character, std::string_view decodedBefore);
    void DecodeUtf8(std::string_view bytes, std::string& out);
    void DecodeUtf16(std::string_view bytes, std::string& out);

    UnicodeForm m_form;
    std::string m_pending; // the start of a cut sequence
    std::size_t m_lineFeeds = 0; // in the calls before, until an unmapped character
    std::optional<Unmapped> m_firstUnmapped;
    std::size_t m_unmappedCount = 0;
};

// cp1251 text in a Unicode form, without the byte order mark; appended to
// `out`, or as a string of its own.
void AppendUnicode(std::string_view cp1251, UnicodeForm form, std::string& out);
std::string EncodeUnicode(std::string_view cp1251, UnicodeForm form);
