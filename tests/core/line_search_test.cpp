#include "core/text/code_pages.h"
#include "core/text/cp1251.h"
#include "core/tools/line_search.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

std::string Found(const LineMatch& m)
{
    return m.Found() ? std::to_string(m.offset) + ":" + std::to_string(m.length) : "none";
}

std::string Plain(std::string_view text, std::string_view pattern, bool wholeWord = false)
{
    return Found(FindInLine(text, pattern, wholeWord, false));
}

std::string Regex(std::string_view text, std::string_view pattern, bool wholeWord = false)
{
    return Found(FindInLine(text, pattern, wholeWord, true));
}

TEST(FindInLine, FindsTheFirstPlainOccurrence)
{
    EXPECT_EQ(Plain("abcabc", "bc"), "1:2");
    EXPECT_EQ(Plain("abc", "abcd"), "none");
    EXPECT_EQ(Plain("a.c abc", "a.c"), "0:3");
    // A TAB in the pattern never meets the stored tab cell bytes.
    EXPECT_EQ(Plain("a\x07\x06\x06" "b", "a\tb"), "none");
    EXPECT_EQ(Regex("a\x07\x06\x06" "b", "a.+b"), "0:5");
}

TEST(FindInLine, WholeWordRejectsMatchesThatTouchWordCharacters)
{
    EXPECT_EQ(Plain("foobar", "bar", true), "none");
    EXPECT_EQ(Plain("bar", "bar", true), "0:3"); // the ends of the text are boundaries
    EXPECT_EQ(Plain("concat cat", "cat", true), "7:3");
    EXPECT_EQ(Plain("cat_ 1cat cat2 (cat)", "cat", true), "16:3");
    // кот in котик, ёкот and їкот is inside a word; in «кот» it is not.
    EXPECT_EQ(Plain("\xEA\xEE\xF2\xE8\xEA \xB8\xEA\xEE\xF2 \xBF\xEA\xEE\xF2 \xAB\xEA\xEE\xF2\xBB", "\xEA\xEE\xF2", true),
              "17:3");
    EXPECT_EQ(Regex("cats cat", "cat", true), "5:3");
}

TEST(FindInLine, WholeWordRunsAnExpressionAgainFromTheNextByte)
{
    // After "-a-" is rejected, ^ anchors at the new start and finds the a.
    EXPECT_EQ(Regex("-a-b", "^(-a-|a)", true), "1:1");
    EXPECT_EQ(Regex("-a-b", "^(-a-|a)", false), "0:3");
    EXPECT_EQ(Regex("ab", "x*", true), "none"); // every empty match touches a letter
    EXPECT_EQ(Regex("ab ", "x*", true), "3:0");
}

TEST(FindInLine, ABadOrRunawayExpressionMatchesNothing)
{
    EXPECT_FALSE(LineSearch("[a-\xFF]", false, true).Valid());
    const LineMatch bad = FindInLine("a-z", "[a-\xFF]", false, true);
    EXPECT_FALSE(bad.Found());
    EXPECT_FALSE(bad.gaveUp);
    EXPECT_TRUE(LineSearch("[a-\xFF]", false, false).Valid()); // plain text has no syntax

    const LineMatch runaway = FindInLine(std::string(60, 'a') + "cb", "(a|aa)+b", false, true);
    EXPECT_FALSE(runaway.Found());
    EXPECT_TRUE(runaway.gaveUp);
}

TEST(FindInLine, OneSearchServesManyLines)
{
    LineSearch search("[0-9]+", true, true);
    EXPECT_EQ(Found(search.FindIn("a1 22")), "3:2");
    EXPECT_EQ(Found(search.FindIn("x")), "none");
    EXPECT_EQ(Found(search.FindIn("7")), "0:1");
}

TEST(FindLastInLine, FindsTheRightmostOccurrenceInside)
{
    EXPECT_EQ(FindLastInLine("abcabc", "abc", false), 3);
    EXPECT_EQ(FindLastInLine("abcab", "abc", false), 0);
    EXPECT_EQ(FindLastInLine("aaa", "aa", false), 1);
    EXPECT_EQ(FindLastInLine("abc", "x", false), -1);
    EXPECT_EQ(FindLastInLine("abc", "", false), -1);
    EXPECT_EQ(FindLastInLine("a.c abc", "a.c", false), 0); // always plain
}

TEST(FindLastInLine, WholeWordLooksPastTheRejectedCandidate)
{
    EXPECT_EQ(FindLastInLine("foo", "foo", true), 0);
    EXPECT_EQ(FindLastInLine("foo foobar", "foo", true), 0);
    // After rejecting the a at 1, the a at 0 is followed by that a.
    EXPECT_EQ(FindLastInLine("aab", "a", true), -1);
    EXPECT_EQ(FindLastInLine("a-ab", "a", true), 0);
}

TEST(LineSearch, ComparesStoredLinesAsWinTextFoldedWhenCaseDoesNotMatter)
{
    const std::string privet = "\xCF\xF0\xE8\xE2\xE5\xF2"; // Привет, typed in WIN
    // ПРИВЕТ, привет in KOI8-R.
    const std::string koi8 = "\xF0\xF2\xE9\xF7\xE5\xF4, \xD0\xD2\xC9\xD7\xC5\xD4";
    for (const bool regex : {false, true}) {
        EXPECT_EQ(Found(LineSearch(privet, true, regex, CP_KOI8, false).FindIn(koi8)), "0:6");
        EXPECT_EQ(Found(LineSearch(privet, true, regex, CP_KOI8, true).FindIn(koi8)), "none");
        EXPECT_EQ(Found(LineSearch("\xEF\xF0\xE8\xE2\xE5\xF2", true, regex, CP_KOI8, true).FindIn(koi8)), "8:6");
    }
    EXPECT_EQ(LineSearch(privet, true, false, CP_KOI8, false).FindLastIn(koi8), 8);
    EXPECT_EQ(Found(LineSearch("AbC", false, false, CP_WIN, true).FindIn("abc AbC")), "4:3");
}

TEST(LineSearch, TellsWordsInTheStoredCodePage)
{
    // КОТИК КОТ in cp866, where the WIN bytes of capitals are box drawing.
    const std::string dos = "\x8A\x8E\x92\x88\x8A \x8A\x8E\x92";
    const std::string kot = "\xCA\xCE\xD2";
    for (const bool regex : {false, true})
        EXPECT_EQ(Found(LineSearch(kot, true, regex, CP_DOS, true).FindIn(dos)), "6:3") << regex;
    EXPECT_EQ(LineSearch(kot, true, false, CP_DOS, true).FindLastIn(dos.substr(0, 5)), -1);
}

} // namespace

namespace {

// Plain search the slow way: convert and fold a copy, then look with find.
int NaiveFind(std::string text, std::string pattern, bool wholeWord, int codePage, bool matchCase, bool last)
{
    ConvertString(text, codePage, CP_WIN);
    if (!matchCase) {
        text = ToLowerCp1251(text);
        pattern = ToLowerCp1251(pattern);
    }
    auto isWord = [&](std::size_t i) { return i < text.size() && IsWordCharCp1251(text[i]); };
    for (std::size_t at = last ? text.rfind(pattern) : text.find(pattern); at != std::string::npos;
         at = last ? (at == 0 ? std::string::npos : text.rfind(pattern, at - 1)) : text.find(pattern, at + 1)) {
        if (!wholeWord || !((at > 0 && isWord(at - 1)) || isWord(at + pattern.size())))
            return static_cast<int>(at);
    }
    return -1;
}

TEST(LineSearch, PlainSearchAgreesWithConvertingACopy)
{
    std::mt19937 random(7);
    // Latin, Cyrillic and box-drawing bytes, blanks and word joiners.
    const std::string alphabet = "aAbB _\xE0\xC0\xE1\xC1\xAA\xB0\xB3\xA8\xB8\x8A";
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    auto text = [&](int maxLength) {
        std::string s(static_cast<std::size_t>(pick(maxLength + 1)), ' ');
        for (char& c : s)
            c = alphabet[static_cast<std::size_t>(pick(static_cast<int>(alphabet.size())))];
        return s;
    };
    for (int round = 0; round < 20000; ++round) {
        const std::string pattern = text(4);
        const std::string subject = text(round % 2 ? 90 : 30);
        const int codePage = pick(kCodePageCount);
        const bool matchCase = pick(2), wholeWord = pick(2);
        if (pattern.empty())
            continue;
        LineSearch search(pattern, wholeWord, false, codePage, matchCase);
        ASSERT_EQ(search.FindIn(subject).offset, NaiveFind(subject, pattern, wholeWord, codePage, matchCase, false))
            << "pattern '" << pattern << "' in '" << subject << "' cp " << codePage;
        ASSERT_EQ(search.FindLastIn(subject), NaiveFind(subject, pattern, wholeWord, codePage, matchCase, true))
            << "pattern '" << pattern << "' in '" << subject << "' cp " << codePage;
    }
}

} // namespace

namespace {

// An expression run on the stored line finds what the expression finds in a
// converted, folded copy: looking for the expression's literal in the stored
// bytes first passes over no line the expression matches.
TEST(LineSearch, ExpressionsAgreeWithMatchingAConvertedCopy)
{
    std::mt19937 random(11);
    const std::string alphabet = "aAbB _\xE0\xC0\xEE\xCE\xF1\xD1\xB8\xA8\x8A";
    const char* const expressions[] = {"[\xE0-\xFF]+\xEE\xF1", "a+\xCE", "(b|\xD1)\xE0", "[^ ]*\xB8" "a", "\xEE\xF1*B"};
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    for (int round = 0; round < 20000; ++round) {
        std::string subject(static_cast<std::size_t>(pick(40)), ' ');
        for (char& c : subject)
            c = alphabet[static_cast<std::size_t>(pick(static_cast<int>(alphabet.size())))];
        const std::string expression = expressions[pick(static_cast<int>(std::size(expressions)))];
        const int codePage = pick(kCodePageCount);
        const bool matchCase = pick(2);
        std::string converted = subject;
        ConvertString(converted, codePage, CP_WIN);
        RegExp copy;
        ASSERT_TRUE(copy.Compile(matchCase ? expression : ToLowerCp1251(expression)));
        ASSERT_FALSE(copy.MustHave().empty());
        const int expected = copy.Find(matchCase ? converted : ToLowerCp1251(converted));
        ASSERT_EQ(LineSearch(expression, false, true, codePage, matchCase).FindIn(subject).offset, expected)
            << "'" << expression << "' in '" << subject << "' cp " << codePage << " case " << matchCase;
    }
}

} // namespace
