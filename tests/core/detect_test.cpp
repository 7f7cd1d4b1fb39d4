#include "core/doc/detect.h"
#include "core/text/code_pages.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Test texts are written in cp1251 and converted, as a file in another code
// page would hold them.
std::string In(int codePage, std::string cp1251)
{
    ConvertString(cp1251, CP_WIN, codePage);
    return cp1251;
}

int Detect(const std::string& bytes)
{
    return DetectCodePage(bytes.data(), bytes.size());
}

// "Съешь же ещё этих мягких французских булок, да выпей же чаю."
const std::string kPangram = "\xD1\xFA\xE5\xF8\xFC \xE6\xE5 \xE5\xF9\xB8 \xFD\xF2\xE8\xF5 \xEC\xFF\xE3\xEA\xE8\xF5 "
                             "\xF4\xF0\xE0\xED\xF6\xF3\xE7\xF1\xEA\xE8\xF5 \xE1\xF3\xEB\xEE\xEA, \xE4\xE0 "
                             "\xE2\xFB\xEF\xE5\xE9 \xE6\xE5 \xF7\xE0\xFE.";

} // namespace

TEST(Detect, TextWithoutHighBytesIsWin)
{
    EXPECT_EQ(Detect("plain ASCII text"), CP_WIN);
    EXPECT_EQ(Detect(""), CP_WIN);
}

TEST(Detect, ASentenceInEveryCodePage)
{
    for (int cp : {CP_KOI8, CP_DOS, CP_MAC, CP_ISO, CP_WIN})
        EXPECT_EQ(Detect(In(cp, kPangram)), cp) << cp;
}

TEST(Detect, ShortSamplesInEveryCodePage)
{
    // "Привет, мир" and "Дом" with a capital, which MAC and WIN place apart.
    const std::string hello = "\xCF\xF0\xE8\xE2\xE5\xF2, \xEC\xE8\xF0";
    const std::string house = "\xC4\xEE\xEC";
    for (int cp : {CP_KOI8, CP_DOS, CP_MAC, CP_ISO, CP_WIN}) {
        EXPECT_EQ(Detect(In(cp, hello)), cp) << cp;
        EXPECT_EQ(Detect(In(cp, house)), cp) << cp;
    }
}

TEST(Detect, ModernCp1251PunctuationStaysWin)
{
    // „Ёлки“ — сказал он… «Нет», ответила она: it used to read as MAC or DOS.
    const std::string text = "\x84\xA8\xEB\xEA\xE8\x93 \x97 \xF1\xEA\xE0\xE7\xE0\xEB \xEE\xED\x85 "
                             "\xAB\xCD\xE5\xF2\xBB, \xEE\xF2\xE2\xE5\xF2\xE8\xEB\xE0 \xEE\xED\xE0.";
    EXPECT_EQ(Detect(text), CP_WIN);
    EXPECT_EQ(Detect("Price list \x96 see \x93page 2\x94\x85"), CP_WIN); // English with typographic marks
}

TEST(Detect, AllCapitalsStayInTheirCodePage)
{
    // "ВНИМАНИЕ: СРОК ИСТЁК"
    const std::string shout = "\xC2\xCD\xC8\xCC\xC0\xCD\xC8\xC5: \xD1\xD0\xCE\xCA \xC8\xD1\xD2\xA8\xCA";
    EXPECT_EQ(Detect(shout), CP_WIN);
    EXPECT_EQ(Detect(In(CP_KOI8, shout)), CP_KOI8);
    EXPECT_EQ(Detect(In(CP_DOS, shout)), CP_DOS);
}

TEST(Detect, FramesDrawnWithDosPseudographicsAreDos)
{
    const std::string frame = "\xC9\xCD\xCD\xCD\xCD\xBB\r\n\xBA Menu \xBA\r\n\xC8\xCD\xCD\xCD\xCD\xBC\r\n"
                              "\xDA\xC4\xC4\xC4\xBF \xB0\xB1\xB2\xDB\r\n";
    EXPECT_EQ(Detect(frame), CP_DOS);
}

TEST(Detect, OnlyTheFirst5000BytesCount)
{
    EXPECT_EQ(Detect(std::string(5000, 'a') + In(CP_KOI8, kPangram)), CP_WIN);
    std::string longer;
    while (longer.size() < 20000)
        longer += In(CP_ISO, kPangram) + "\r\n";
    EXPECT_EQ(Detect(longer), CP_ISO);
}

TEST(Detect, LettersThatReadAlikeInMacAndWinAreSettledByByteRanges)
{
    // Lower-case letters below я are the same bytes in MAC and WIN: a tie,
    // which the byte ranges give to WIN.
    EXPECT_EQ(Detect("\xEF\xF0\xE8\xE2\xE5\xF2 \xEC\xE8\xF0"), CP_WIN);
}
