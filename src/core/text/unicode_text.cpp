#include "core/text/unicode_text.h"

#include "core/text/code_pages.h"
#include "core/text/find_byte.h"
#include "core/text/russian_utf8.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

namespace {

constexpr std::array<char16_t, 128> kHighHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039, 0x040A,
    0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0098, 0x2122,
    0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6,
    0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456,
    0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, 0x0410,
    0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, 0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D,
    0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A,
    0x042B, 0x042C, 0x042D, 0x042E, 0x042F, 0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444,
    0x0445, 0x0446, 0x0447, 0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

// The cp1251 byte of every character of the Basic Multilingual Plane, 0
// where cp1251 has none (U+0000 itself is byte 0).
constexpr std::array<unsigned char, 0x10000> kCp1251Bytes = [] {
    std::array<unsigned char, 0x10000> bytes{};
    for (unsigned byte = 1; byte < 0x80; ++byte)
        bytes[byte] = static_cast<unsigned char>(byte);
    for (unsigned byte = 0x80; byte < 0x100; ++byte)
        bytes[kHighHalf[byte - 0x80]] = static_cast<unsigned char>(byte);
    return bytes;
}();

// The cp1251 byte of the character at a place of UTF-8 text, indexed by the
// byte there plus 256 times the next one: an ASCII byte whatever follows
// it, a two-byte sequence whose character cp1251 has. 0 for everything
// else (NUL too), which goes the long way.
constexpr std::array<unsigned char, 0x10000> kByteOfPair = [] {
    std::array<unsigned char, 0x10000> bytes{};
    for (unsigned first = 0; first < 0x80; ++first)
        for (unsigned second = 0; second < 0x100; ++second)
            bytes[second << 8 | first] = static_cast<unsigned char>(first);
    for (unsigned lead = 0xC2; lead <= 0xDF; ++lead)
        for (unsigned next = 0x80; next <= 0xBF; ++next)
            bytes[next << 8 | lead] = kCp1251Bytes[(lead & 0x1Fu) << 6 | (next & 0x3Fu)];
    return bytes;
}();

// Each cp1251 byte in UTF-8: up to three bytes and their count.
struct Utf8Bytes {
    char bytes[3];
    std::uint8_t length;
};
constexpr std::array<Utf8Bytes, 256> kUtf8Of = [] {
    std::array<Utf8Bytes, 256> all{};
    for (unsigned byte = 0; byte < 0x100; ++byte) {
        const char32_t c = byte < 0x80 ? byte : kHighHalf[byte - 0x80];
        Utf8Bytes& u = all[byte];
        if (c < 0x80) {
            u = {{static_cast<char>(c)}, 1};
        } else if (c < 0x800) {
            u = {{static_cast<char>(0xC0 | c >> 6), static_cast<char>(0x80 | (c & 0x3F))}, 2};
        } else {
            u = {{static_cast<char>(0xE0 | c >> 12), static_cast<char>(0x80 | (c >> 6 & 0x3F)),
                  static_cast<char>(0x80 | (c & 0x3F))},
                 3};
        }
    }
    return all;
}();

constexpr char32_t kReplacement = 0xFFFD;

// The length of the UTF-8 sequence `lead` starts, 0 for a byte that starts
// none; and the range its second byte must fall in (no overlong forms, no
// surrogates, nothing past U+10FFFF).
struct Lead {
    int length;
    unsigned char low, high;
};
Lead LeadOf(unsigned char lead)
{
    if (lead < 0x80)
        return {1, 0, 0};
    if (lead >= 0xC2 && lead <= 0xDF)
        return {2, 0x80, 0xBF};
    if (lead == 0xE0)
        return {3, 0xA0, 0xBF};
    if (lead == 0xED)
        return {3, 0x80, 0x9F};
    if (lead >= 0xE1 && lead <= 0xEF)
        return {3, 0x80, 0xBF};
    if (lead == 0xF0)
        return {4, 0x90, 0xBF};
    if (lead >= 0xF1 && lead <= 0xF3)
        return {4, 0x80, 0xBF};
    if (lead == 0xF4)
        return {4, 0x80, 0x8F};
    return {0, 0, 0};
}

// How many bytes of `bytes` from `at` form a valid sequence: its length, 0
// when invalid, -1 when valid so far but cut off by the end.
int ValidSequence(std::string_view bytes, std::size_t at)
{
    const Lead lead = LeadOf(static_cast<unsigned char>(bytes[at]));
    if (lead.length <= 1)
        return lead.length;
    for (int i = 1; i < lead.length; ++i) {
        if (at + static_cast<std::size_t>(i) >= bytes.size())
            return -1;
        const auto next = static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
        const unsigned char low = i == 1 ? lead.low : 0x80, high = i == 1 ? lead.high : 0xBF;
        if (next < low || next > high)
            return 0;
    }
    return lead.length;
}

char32_t DecodeSequence(std::string_view bytes, std::size_t at, int length)
{
    const auto lead = static_cast<unsigned char>(bytes[at]);
    char32_t character = length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
    for (int i = 1; i < length; ++i)
        character = character << 6 | (static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]) & 0x3F);
    return character;
}

// The line feeds in `text`, line by line with FindByte, which looks at many
// bytes at a time.
std::size_t LineFeedsIn(std::string_view text)
{
    std::size_t count = 0;
    const char* const end = text.data() + text.size();
    for (const char* at = text.data(); (at = FindByte(at, end, '\n')); ++at)
        ++count;
    return count;
}

} // namespace

UnicodeForm DetectUnicodeForm(std::string_view first, bool whole)
{
    for (const UnicodeForm form : {UnicodeForm::Utf8Bom, UnicodeForm::Utf16Le, UnicodeForm::Utf16Be})
        if (first.starts_with(ByteOrderMark(form)))
            return form;
    bool multiByte = false;
    for (std::size_t at = 0; at < first.size();) {
        const int length = ValidSequence(first, at);
        if (length == 0 || (length < 0 && whole))
            return UnicodeForm::None;
        if (length < 0)
            break;
        multiByte |= length > 1;
        at += static_cast<std::size_t>(length);
    }
    return multiByte ? UnicodeForm::Utf8 : UnicodeForm::None;
}

void Utf8Check::Take(std::string_view bytes)
{
    if (!m_valid)
        return;
    if (!m_pending.empty()) {
        const std::size_t had = m_pending.size();
        const std::string joined = std::exchange(m_pending, {}) + std::string(bytes.substr(0, 3));
        const int length = ValidSequence(joined, 0);
        if (length < 0) { // still cut: the whole block went into it
            m_pending = joined;
            return;
        }
        if (length == 0) {
            m_valid = false;
            return;
        }
        m_multiByte = true;
        bytes.remove_prefix(static_cast<std::size_t>(length) - had);
    }
    std::size_t at = 0;
    while (at < bytes.size()) {
        // ASCII 32 bytes at a time: most text is nothing else.
        if (at + 32 <= bytes.size()) {
            std::uint64_t words[4];
            std::memcpy(words, bytes.data() + at, 32);
            if (((words[0] | words[1] | words[2] | words[3]) & 0x8080808080808080u) == 0) {
                at += 32;
                continue;
            }
        }
        const int length = ValidSequence(bytes, at);
        if (length == 0) {
            m_valid = false;
            return;
        }
        if (length < 0) {
            m_pending.assign(bytes.substr(at));
            return;
        }
        m_multiByte |= length > 1;
        at += static_cast<std::size_t>(length);
    }
}

std::string_view ByteOrderMark(UnicodeForm form)
{
    switch (form) {
    case UnicodeForm::Utf8Bom: return "\xEF\xBB\xBF";
    case UnicodeForm::Utf16Le: return "\xFF\xFE";
    case UnicodeForm::Utf16Be: return "\xFE\xFF";
    default: return {};
    }
}

std::string_view UnicodeFormName(UnicodeForm form)
{
    switch (form) {
    case UnicodeForm::Utf8: return "UTF-8";
    case UnicodeForm::Utf8Bom: return "UTF-8 BOM";
    case UnicodeForm::Utf16Le:
    case UnicodeForm::Utf16Be:
    case UnicodeForm::Utf16LeNoBom: return "UTF-16";
    case UnicodeForm::None: break;
    }
    return {};
}

std::uint8_t EncodingOf(std::uint8_t codePage, UnicodeForm form)
{
    switch (form) {
    case UnicodeForm::Utf8:
    case UnicodeForm::Utf8Bom: return kEncodingUtf8;
    case UnicodeForm::Utf16Le:
    case UnicodeForm::Utf16Be:
    case UnicodeForm::Utf16LeNoBom: return kEncodingUtf16;
    case UnicodeForm::None: break;
    }
    return codePage;
}

std::optional<std::uint8_t> NamedEncoding(int value)
{
    if ((value >= 0 && value < kCodePageCount) || value == kEncodingUtf8 || value == kEncodingUtf16)
        return static_cast<std::uint8_t>(value);
    return std::nullopt;
}

std::optional<char> Cp1251Of(char32_t character)
{
    if (character == 0)
        return '\0';
    if (character >= kCp1251Bytes.size() || kCp1251Bytes[character] == 0)
        return std::nullopt;
    return static_cast<char>(kCp1251Bytes[character]);
}

char32_t UnicodeOf(char cp1251)
{
    const auto byte = static_cast<unsigned char>(cp1251);
    return byte < 0x80 ? byte : kHighHalf[byte - 0x80];
}

char UnicodeDecoder::Byte(char32_t character, std::string_view decodedBefore)
{
    const std::optional<char> byte = Cp1251Of(character);
    if (byte)
        return *byte;
    if (!m_firstUnmapped)
        m_firstUnmapped = Unmapped{character, m_lineFeeds + LineFeedsIn(decodedBefore)};
    ++m_unmappedCount;
    return '?';
}

void UnicodeDecoder::Decode(std::string_view bytes, std::string& out)
{
    const std::size_t begin = out.size();
    if (IsUtf16(m_form))
        DecodeUtf16(bytes, out);
    else
        DecodeUtf8(bytes, out);
    // Lines are counted only until a character without a byte is found,
    // in one pass over the decoded text rather than in the decoding loops.
    if (!m_firstUnmapped)
        m_lineFeeds += LineFeedsIn(std::string_view(out).substr(begin));
}

void UnicodeDecoder::DecodeUtf8(std::string_view bytes, std::string& out)
{
    if (!m_pending.empty()) { // a sequence cut by the end of the last block
        const std::string joined = std::exchange(m_pending, {}) + std::string(bytes);
        DecodeUtf8(joined, out);
        return;
    }
    // Each character, and each invalid byte, becomes one byte: the text
    // never outgrows the bytes.
    const std::size_t begin = out.size();
    out.resize(begin + bytes.size());
    char* to = out.data() + begin;
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t size = bytes.size();
    auto byteOf = [&](char32_t character) {
        return Byte(character, std::string_view(out.data() + begin, static_cast<std::size_t>(to - out.data()) - begin));
    };
    // One character, or one invalid byte; false when the bytes end inside a
    // sequence, which the next block finishes.
    std::size_t at = 0;
    auto decodeOne = [&] {
        // ASCII and the two-byte characters cp1251 has: one lookup.
        if (at + 1 < size) {
            const unsigned lead = in[at];
            const unsigned char byte = kByteOfPair[lead | in[at + 1] << 8];
            if (byte != 0) {
                *to++ = static_cast<char>(byte);
                at += 1 + (lead >> 7);
                return true;
            }
        }
        if (in[at] < 0x80) { // the last byte, or NUL
            *to++ = static_cast<char>(in[at++]);
            return true;
        }
        const int length = ValidSequence(bytes, at);
        if (length < 0) {
            m_pending.assign(bytes.substr(at));
            return false;
        }
        *to++ = byteOf(length > 0 ? DecodeSequence(bytes, at, length) : kReplacement);
        at += length > 0 ? static_cast<std::size_t>(length) : 1;
        return true;
    };
    while (at < size) {
        at += DecodeRussianUtf8(in + at, size - at, to);
        // A block with anything else goes character by character.
        const std::size_t end = std::min(size, at + 16);
        bool whole = true;
        while (whole && at < end)
            whole = decodeOne();
        if (!whole)
            break;
    }
    out.resize(static_cast<std::size_t>(to - out.data()));
}

void UnicodeDecoder::DecodeUtf16(std::string_view bytes, std::string& out)
{
    if (!m_pending.empty()) {
        const std::string joined = std::exchange(m_pending, {}) + std::string(bytes);
        DecodeUtf16(joined, out);
        return;
    }
    const bool little = m_form != UnicodeForm::Utf16Be;
    const std::size_t begin = out.size();
    auto byteOf = [&](char32_t character) { return Byte(character, std::string_view(out).substr(begin)); };
    std::size_t at = 0;
    for (; at + 1 < bytes.size(); at += 2) {
        const auto a = static_cast<unsigned char>(bytes[at]), b = static_cast<unsigned char>(bytes[at + 1]);
        const char32_t unit = little ? (b << 8 | a) : (a << 8 | b);
        if (unit >= 0xD800 && unit <= 0xDBFF) { // a pair: never in cp1251, but one character
            if (at + 3 >= bytes.size())
                break;
            const auto c = static_cast<unsigned char>(bytes[at + 2]), d = static_cast<unsigned char>(bytes[at + 3]);
            const char32_t low = little ? (d << 8 | c) : (c << 8 | d);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                out += byteOf(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                at += 2;
                continue;
            }
            out += byteOf(kReplacement);
            continue;
        }
        out += byteOf(unit >= 0xDC00 && unit <= 0xDFFF ? kReplacement : unit);
    }
    m_pending.assign(bytes.substr(at));
}

void UnicodeDecoder::Finish(std::string& out)
{
    if (!m_pending.empty()) {
        m_pending.clear();
        out += Byte(kReplacement, {});
    }
}

void AppendUnicode(std::string_view cp1251, UnicodeForm form, std::string& out)
{
    const std::size_t begin = out.size();
    if (IsUtf16(form)) {
        out.resize(begin + cp1251.size() * 2);
        char* to = out.data() + begin;
        const std::size_t highAt = form == UnicodeForm::Utf16Be ? 0 : 1;
        for (std::size_t i = 0; i < cp1251.size(); ++i) {
            const char32_t c = UnicodeOf(cp1251[i]);
            to[2 * i + highAt] = static_cast<char>(c >> 8);
            to[2 * i + 1 - highAt] = static_cast<char>(c & 0xFF);
        }
        return;
    }
    // Without a branch: every byte's entry stored whole, its length byte
    // too, which the next character or the end overwrites (room for that
    // one more is always there).
    static_assert(sizeof(Utf8Bytes) == 4);
    out.resize(begin + cp1251.size() * 3 + 1);
    char* to = out.data() + begin;
    for (const char byte : cp1251) {
        const Utf8Bytes& u = kUtf8Of[static_cast<unsigned char>(byte)];
        std::memcpy(to, &u, sizeof u);
        to += u.length;
    }
    out.resize(static_cast<std::size_t>(to - out.data()));
}

std::string EncodeUnicode(std::string_view cp1251, UnicodeForm form)
{
    std::string out;
    AppendUnicode(cp1251, form, out);
    return out;
}
