#include "core/text/code_pages.h"
#include "core/text/unicode_text.h"

#include <gtest/gtest.h>

namespace {

// "Съешь же ещё этих мягких французских булок, да выпей же чаю." in cp1251.
const std::string kPangram = "\xD1\xFA\xE5\xF8\xFC \xE6\xE5 \xE5\xF9\xB8 \xFD\xF2\xE8\xF5 \xEC\xFF\xE3\xEA\xE8\xF5 "
                             "\xF4\xF0\xE0\xED\xF6\xF3\xE7\xF1\xEA\xE8\xF5 \xE1\xF3\xEB\xEE\xEA, \xE4\xE0 "
                             "\xE2\xFB\xEF\xE5\xE9 \xE6\xE5 \xF7\xE0\xFE.";

// Decoded in blocks of `block` bytes.
std::string Decode(std::string_view bytes, UnicodeForm form, std::size_t block, std::optional<Unmapped>* unmapped = nullptr)
{
    UnicodeDecoder decoder(form);
    std::string out;
    for (std::size_t at = 0; at < bytes.size(); at += block)
        decoder.Decode(bytes.substr(at, block), out);
    decoder.Finish(out);
    if (unmapped)
        *unmapped = decoder.FirstUnmapped();
    return out;
}

} // namespace

TEST(UnicodeText, EveryCp1251ByteMakesTheRoundTripInEveryForm)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    for (UnicodeForm form : {UnicodeForm::Utf8, UnicodeForm::Utf16Le, UnicodeForm::Utf16Be}) {
        const std::string encoded = EncodeUnicode(all, form);
        for (std::size_t block : {1u, 2u, 3u, 7u, 4096u}) {
            std::optional<Unmapped> unmapped;
            EXPECT_EQ(Decode(encoded, form, block, &unmapped), all) << static_cast<int>(form) << " " << block;
            EXPECT_FALSE(unmapped);
        }
    }
    EXPECT_EQ(EncodeUnicode("\xC0\xFF\xA8\xB9", UnicodeForm::Utf8), "\xD0\x90\xD1\x8F\xD0\x81\xE2\x84\x96"); // АяЁ№
    EXPECT_EQ(EncodeUnicode("\xC0", UnicodeForm::Utf16Le), std::string("\x10\x04", 2));
    EXPECT_EQ(EncodeUnicode("\xC0", UnicodeForm::Utf16Be), std::string("\x04\x10", 2));
    std::string appended = "ab";
    AppendUnicode("c\xC0", UnicodeForm::Utf8, appended);
    AppendUnicode("\xC0", UnicodeForm::Utf16Le, appended);
    EXPECT_EQ(appended, std::string("abc\xD0\x90\x10\x04", 7));
}

TEST(UnicodeText, CharactersWithoutACp1251ByteBecomeQuestionMarksAndTheFirstIsTold)
{
    // "a\n" then U+4E2D (CJK), then an emoji as a UTF-16 pair.
    std::optional<Unmapped> unmapped;
    EXPECT_EQ(Decode("a\n\xE4\xB8\xAD\xF0\x9F\x98\x80", UnicodeForm::Utf8, 2, &unmapped), "a\n??");
    ASSERT_TRUE(unmapped);
    EXPECT_EQ(unmapped->character, 0x4E2Du);
    EXPECT_EQ(unmapped->line, 1u);
    EXPECT_EQ(Decode(std::string("\x3D\xD8\x00\xDE\x41\x00", 6), UnicodeForm::Utf16Le, 1, &unmapped), "?A");
    EXPECT_EQ(unmapped->character, 0x1F600u);
    // Invalid bytes and a sequence cut by the end of the file.
    EXPECT_EQ(Decode("x\xFFy\xD0", UnicodeForm::Utf8, 3, &unmapped), "x?y?");
    EXPECT_EQ(unmapped->character, 0xFFFDu);
    EXPECT_EQ(Decode(std::string("\x41\x00\x42", 3), UnicodeForm::Utf16Le, 2, &unmapped), "A?");
}

TEST(UnicodeText, AFileIsUnicodeByItsMarkOrByValidMultiByteUtf8)
{
    EXPECT_EQ(DetectUnicodeForm("\xEF\xBB\xBFtext", true), UnicodeForm::Utf8Bom);
    EXPECT_EQ(DetectUnicodeForm("\xEF\xBB\xBF", true), UnicodeForm::Utf8Bom);
    EXPECT_EQ(DetectUnicodeForm("\xFF\xFEt\x00", true), UnicodeForm::Utf16Le);
    EXPECT_EQ(DetectUnicodeForm("\xFE\xFF\x00t", true), UnicodeForm::Utf16Be);
    const std::string utf8 = EncodeUnicode(kPangram, UnicodeForm::Utf8);
    EXPECT_EQ(DetectUnicodeForm(utf8, true), UnicodeForm::Utf8);
    // A window that cuts a sequence: still UTF-8, unless it is the whole file.
    EXPECT_EQ(DetectUnicodeForm(std::string_view(utf8).substr(0, 3), false), UnicodeForm::Utf8);
    EXPECT_EQ(DetectUnicodeForm(std::string_view(utf8).substr(0, 3), true), UnicodeForm::None);
    EXPECT_EQ(DetectUnicodeForm("plain ASCII", true), UnicodeForm::None);
    EXPECT_EQ(DetectUnicodeForm("", true), UnicodeForm::None);
    // Overlong forms and surrogates are not UTF-8.
    EXPECT_EQ(DetectUnicodeForm("\xC0\x80", true), UnicodeForm::None);
    EXPECT_EQ(DetectUnicodeForm("\xED\xA0\x80", true), UnicodeForm::None);
    // Russian in the single-byte code pages is never taken for UTF-8.
    for (int cp : {CP_KOI8, CP_DOS, CP_MAC, CP_ISO, CP_WIN}) {
        std::string text = kPangram;
        ConvertString(text, CP_WIN, cp);
        EXPECT_EQ(DetectUnicodeForm(text, true), UnicodeForm::None) << cp;
    }
}
