#include "core/tools/regexp.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// "offset:length" of the first match, or "none".
std::string Match(std::string_view expression, std::string_view subject)
{
    RegExp re;
    if (!re.Compile(expression))
        return "no compile";
    const int at = re.Find(subject);
    return at < 0 ? "none" : std::to_string(at) + ":" + std::to_string(re.MatchLength());
}

bool Compiles(std::string_view expression)
{
    return RegExp().Compile(expression);
}

TEST(RegExpCompile, RejectsQuantifiersWithNothingToRepeat)
{
    for (const char* e : {"*a", "+", "?x", "a|*b", "(*a)", "a**", "a+?", "a?*", "(ab)*+"})
        EXPECT_FALSE(Compiles(e)) << e;
}

TEST(RegExpCompile, RejectsStarAndPlusOnWhatCanMatchNothing)
{
    for (const char* e : {"^*", "$+", "(a|)*", "(b?)+", "()*", "(a*)+", "(^)+"})
        EXPECT_FALSE(Compiles(e)) << e;
    // ? may apply to anything, and a group with one wide branch each is wide.
    for (const char* e : {"(a|)", "(^)?", "^?", "()?", "(a|b*c)+", "(x*y)*"})
        EXPECT_TRUE(Compiles(e)) << e;
}

TEST(RegExpCompile, RejectsUnbalancedParenthesesAndATenthGroup)
{
    for (const char* e : {"(a", "a)", "(a))", "((a)", ")", "(((((((((())))))))))"})
        EXPECT_FALSE(Compiles(e)) << e;
    EXPECT_TRUE(Compiles("((((((((()))))))))")); // nine
    EXPECT_TRUE(Compiles("(a)(b)(c)(d)(e)(f)(g)(h)(i)"));
    EXPECT_FALSE(Compiles("(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)"));
}

TEST(RegExpCompile, RejectsBadSetsAndATrailingBackslash)
{
    for (const char* e : {"[abc", "[", "[]", "[^]", "[z-a]", "abc\\", "\\", "[a-\xFF]", "[\x7F-\x80]", "[\xFF-\xE0]"})
        EXPECT_FALSE(Compiles(e)) << e;
    // Ranges wholly within 0x80-0xFF (Cyrillic in cp1251) are fine.
    for (const char* e : {"[\xE0-\xFF]", "[\x80-\xFF]", "[a-a]", "[]]", "[^]]", "[-]", "[a-]", "\\\\"})
        EXPECT_TRUE(Compiles(e)) << e;
}

TEST(RegExpCompile, AcceptsTheEmptyExpressionAndEmptyBranches)
{
    EXPECT_EQ(Match("", "abc"), "0:0");
    EXPECT_EQ(Match("|b", "abc"), "0:0");
    EXPECT_EQ(Match("()", "x"), "0:0");
}

TEST(RegExpFind, IsGreedyAndTakesTheFirstAlternativeThatCompletes)
{
    EXPECT_EQ(Match("ab*", "abbbc"), "0:4");
    EXPECT_EQ(Match("a|ab", "ab"), "0:1");
    EXPECT_EQ(Match("ab|a", "ab"), "0:2");
    EXPECT_EQ(Match("(a|ab)c", "abc"), "0:3"); // backtracks into the second choice
    EXPECT_EQ(Match("a.*b", "a1b2b3"), "0:5");
    EXPECT_EQ(Match("a+b?", "xaaab"), "1:4");
    EXPECT_EQ(Match("(ab)+", "ababab!"), "0:6");
    EXPECT_EQ(Match("(ab)*c", "ababac abc"), "5:1");
    EXPECT_EQ(Match("(ab)*c", "abab abc"), "5:3");
    EXPECT_EQ(Match("x(ab)?y", "xy xaby"), "0:2");
    EXPECT_EQ(Match("b*", "abc"), "0:0"); // leftmost start beats longer
}

TEST(RegExpFind, AnchorsAtTheEndsOfTheSearchedString)
{
    EXPECT_EQ(Match("^abc", "abcabc"), "0:3");
    EXPECT_EQ(Match("^bc", "abc"), "none");
    EXPECT_EQ(Match("c$", "abcabc"), "5:1");
    EXPECT_EQ(Match("$", "abc"), "3:0");
    EXPECT_EQ(Match("^$", ""), "0:0");
    EXPECT_EQ(Match("^$", "a"), "none");
    EXPECT_EQ(Match("a^b", "a^b ab"), "none"); // ^ is never an ordinary byte
    EXPECT_EQ(Match("(^|x)b", "ab xb"), "3:2");
    EXPECT_EQ(Match("a|^b", "cba"), "2:1");
}

TEST(RegExpFind, MatchesSetsAndEscapes)
{
    EXPECT_EQ(Match("[bc]+", "abcba"), "1:3");
    EXPECT_EQ(Match("[^a]+", "aa\x07\x06\x06" "a"), "2:3"); // tab cells are bytes like any other
    EXPECT_EQ(Match("[^a]", "aaa"), "none");         // never the end of the string
    EXPECT_EQ(Match("[]x]+", "a]x]b"), "1:3");
    EXPECT_EQ(Match("[a-]+", "b-a-"), "1:3");
    EXPECT_EQ(Match("[\\n]+", "n\\n"), "0:3");       // a backslash is a member in a set
    EXPECT_EQ(Match("\\n", "\\n"), "1:1");           // \n is the letter n
    EXPECT_EQ(Match("\\.\\*\\[", "a.*["), "1:3");
    EXPECT_EQ(Match("{1}", "a{1}"), "1:3");
    // [а-я]+ость in cp1251: the ending after a Cyrillic run.
    EXPECT_EQ(Match("[\xE0-\xFF]+\xEE\xF1\xF2\xFC", "\xE2 \xF1\xEB\xEE\xE6\xED\xEE\xF1\xF2\xFC"), "2:9");
    EXPECT_EQ(Match("[\xC0-\xDF]", "abc \xE0\xC1"), "5:1"); // capitals only
}

TEST(RegExpFind, DotAndNegatedSetsTakeEveryByteValue)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(Match(".*", all), "0:256");
    EXPECT_EQ(Match("[^x]*", all), "0:120");
}

TEST(RegExpFind, RecordsTheGroupsOfTheMatch)
{
    RegExp re;
    ASSERT_TRUE(re.Compile("(a+)(b(c)?)*d"));
    ASSERT_EQ(re.Find("xaabcbd"), 1);
    EXPECT_EQ(re.GroupStart(0), 1);
    EXPECT_EQ(re.GroupEnd(0), 7);
    EXPECT_EQ(re.GroupStart(1), 1);
    EXPECT_EQ(re.GroupEnd(1), 3);
    EXPECT_EQ(re.GroupStart(2), 5); // the last time round
    EXPECT_EQ(re.GroupEnd(2), 6);
    EXPECT_EQ(re.GroupStart(3), 4); // from the round that had it
    EXPECT_EQ(re.GroupStart(4), -1);
    ASSERT_EQ(re.Find("nothing"), -1);
    EXPECT_EQ(re.GroupStart(1), -1);
    EXPECT_EQ(re.MatchLength(), 0);
}

TEST(RegExpFind, NarrowsStartsWithoutChangingResults)
{
    RegExp re;
    ASSERT_TRUE(re.Compile("abc+"));
    EXPECT_EQ(re.FirstChar(), 'a');
    EXPECT_EQ(re.Find("ab abcc"), 3);
    ASSERT_TRUE(re.Compile("^ab"));
    EXPECT_TRUE(re.Anchored());
    EXPECT_EQ(re.Find("xab"), -1);
    ASSERT_TRUE(re.Compile("x*abc(d)ef"));
    EXPECT_EQ(re.MustHave(), "abc");
    EXPECT_EQ(re.FirstChar(), 0);
    ASSERT_TRUE(re.Compile("x*ab(c)de"));
    EXPECT_EQ(re.MustHave(), "de"); // the later of two equals
    ASSERT_TRUE(re.Compile("x*ab(c)def"));
    EXPECT_EQ(re.MustHave(), "def");
    EXPECT_EQ(re.Find("abcdeabcdef"), 5);
    // Two branches: nothing is known of either.
    ASSERT_TRUE(re.Compile("^abc|x"));
    EXPECT_FALSE(re.Anchored());
    EXPECT_EQ(re.FirstChar(), 0);
    EXPECT_EQ(re.MustHave(), "");
    EXPECT_EQ(re.Find("yx"), 1);
}

TEST(RegExpFind, FailsQuietlyWhenNotCompiled)
{
    RegExp re;
    EXPECT_EQ(re.Find("abc"), -1);
    EXPECT_FALSE(re.Compile("a**"));
    EXPECT_EQ(re.Find("aaa"), -1);
    EXPECT_FALSE(re.OutOfSteps());
}

TEST(RegExpBudget, GivesUpOnExponentialBacktrackingAndSaysSo)
{
    RegExp re;
    ASSERT_TRUE(re.Compile("(a|aa)+b"));
    const std::string subject = std::string(60, 'a') + "cb";
    EXPECT_EQ(re.Find(subject), -1);
    EXPECT_TRUE(re.OutOfSteps());
    // A fresh call has a fresh budget.
    EXPECT_EQ(re.Find("aab"), 0);
    EXPECT_FALSE(re.OutOfSteps());
}

TEST(RegExpBudget, OneBudgetCanSpanSeveralCalls)
{
    RegExp re;
    ASSERT_TRUE(re.Compile("a*[bc]"));
    StepBudget budget{50};
    EXPECT_EQ(re.Find("aaaaab", budget), 0);
    EXPECT_EQ(re.Find(std::string(100, 'a'), budget), -1);
    EXPECT_TRUE(budget.Spent());
    EXPECT_TRUE(re.OutOfSteps());
}

TEST(RegExpBudget, LongLinesNeedNoDeepStack)
{
    // Ten megabytes through a loop that keeps a choice per round: the
    // matcher's own stack holds them, or the budget ends the attempt.
    const std::string line(10'000'000, 'a');
    RegExp re;
    ASSERT_TRUE(re.Compile("(a)*$"));
    const int at = re.Find(line);
    EXPECT_TRUE(at == 0 || (at == -1 && re.OutOfSteps()));
    ASSERT_TRUE(re.Compile("[a]+x|a"));
    EXPECT_EQ(re.Find(line), 0);
    ASSERT_TRUE(re.Compile(".*z"));
    EXPECT_EQ(re.Find(line + "z"), 0);
    EXPECT_EQ(re.MatchLength(), 10'000'001);
}

} // namespace
