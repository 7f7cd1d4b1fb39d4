#include "core/text/russian_utf8.h"
#include "core/text/unicode_text.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Every letter of the Russian alphabet, Ё and ё among them, in cp1251,
// with spaces, punctuation and a line end between them.
const std::string kRussian = [] {
    std::string text;
    for (int b = 0xC0; b <= 0xFF; ++b) {
        text += static_cast<char>(b);
        if (b % 5 == 0)
            text += b % 3 ? " " : ",\r\n";
    }
    return text + "\xA8\xB8 \xB8\xA8";
}();

using Way = std::size_t (*)(const unsigned char*, std::size_t, char*&);

// The Russian text decoded by `way` after 0..39 ASCII bytes: it reads
// all but the last block's worth, ends at a character, and writes the
// cp1251 text of what it read.
void ExpectDecodedFromEveryPlace(Way way, const char* name)
{
    const std::string utf8 = EncodeUnicode(kRussian, UnicodeForm::Utf8);
    for (std::size_t shift = 0; shift < 40; ++shift) {
        const std::string bytes = std::string(shift, 'x') + utf8;
        std::string out(bytes.size(), '\0');
        char* to = out.data();
        const std::size_t read = way(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), to);
        out.resize(static_cast<std::size_t>(to - out.data()));
        ASSERT_GE(read + 17, bytes.size()) << name << " stopped early at shift " << shift;
        // The bytes read end a character and decode to what was written.
        EXPECT_EQ(out, (std::string(shift, 'x') + kRussian).substr(0, out.size())) << name << " " << shift;
        UnicodeDecoder rest(UnicodeForm::Utf8);
        std::string tail;
        rest.Decode(std::string_view(bytes).substr(read), tail);
        rest.Finish(tail);
        EXPECT_EQ(out + tail, std::string(shift, 'x') + kRussian) << name << " " << shift;
    }
}

} // namespace

TEST(RussianUtf8, BothWaysDecodeRussianTextFromEveryPlaceOfABlock)
{
    ExpectDecodedFromEveryPlace(DecodeRussianUtf8Sse2, "SSE2");
    if (ProcessorHasSsse3())
        ExpectDecodedFromEveryPlace(DecodeRussianUtf8Ssse3, "SSSE3");
}

TEST(RussianUtf8, AnythingElseStopsItBeforeItsBlock)
{
    // Neighbours of the letters that cp1251 lacks or places elsewhere: Ѐ
    // U+0400, Ђ U+0402, Џ U+040F, ѐ U+0450, ђ U+0452, « U+00AB, an
    // lead without its second byte, a lone second byte, a three-byte dash.
    for (const std::string odd : {"\xD0\x80", "\xD0\x82", "\xD0\x8F", "\xD1\x90", "\xD1\x92", "\xC2\xAB", "\xD0x",
                                  "\xD0\xC0", "\xD1\xD1", "\x90", "\xE2\x80\x94"}) {
        for (std::size_t at = 0; at < 33; ++at) {
            const std::string bytes = std::string(at, 'a') + odd + std::string(40, 'b');
            for (Way way : {DecodeRussianUtf8Sse2, DecodeRussianUtf8Ssse3}) {
                if (way == DecodeRussianUtf8Ssse3 && !ProcessorHasSsse3())
                    continue;
                std::string out(bytes.size(), '\0');
                char* to = out.data();
                const std::size_t read = way(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), to);
                EXPECT_EQ(read, at / 16 * 16) << at;
                EXPECT_EQ(static_cast<std::size_t>(to - out.data()), read) << at;
            }
        }
    }
}

TEST(RussianUtf8, TheDecoderTellsTheLineOfTheFirstUnmappedCharacterPastFastBlocks)
{
    // Russian lines, then a CJK character, decoded whole and in blocks of
    // 50 bytes.
    const auto feeds = static_cast<std::size_t>(std::count(kRussian.begin(), kRussian.end(), '\n'));
    const std::string utf8 = EncodeUnicode(kRussian + "\n" + kRussian + "\n", UnicodeForm::Utf8) + "\xE4\xB8\xAD";
    for (const std::size_t block : {std::size_t{50}, utf8.size()}) {
        UnicodeDecoder decoder(UnicodeForm::Utf8);
        std::string out;
        for (std::size_t at = 0; at < utf8.size(); at += block)
            decoder.Decode(std::string_view(utf8).substr(at, block), out);
        decoder.Finish(out);
        ASSERT_TRUE(decoder.FirstUnmapped()) << block;
        EXPECT_EQ(decoder.FirstUnmapped()->line, 2 * feeds + 2) << block;
        EXPECT_EQ(out, kRussian + "\n" + kRussian + "\n?") << block;
    }
}
