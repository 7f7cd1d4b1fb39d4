// Highlight definitions, the keyword trie and the colouring scanner.
#include "core/doc/text_doc.h"
#include "core/settings/app_settings.h"
#include "core/text/setup_file.h"
#include "core/view/highlight_scheme.h"
#include "core/view/line_states.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

HighlightScheme Scheme(const std::string& body)
{
    auto reader = SetupReader::FromText("#Noveda setup file\r\n" + body);
    HighlightScheme scheme;
    scheme.ReadDefinition(*reader);
    return scheme;
}

// The attributes of a line, one character per cell: the slot's digit, or
// a for strings (10), b for delimiters (11, blanks among them), c for
// comments (12).
std::string Colours(const HighlightScheme& scheme, const std::string& line, std::uint8_t state = STATE_NORMAL,
                    std::uint8_t* endState = nullptr)
{
    std::vector<std::uint8_t> attrs(line.size(), 0xFF);
    const std::uint8_t end = scheme.Scan(state, line, attrs.data());
    if (endState)
        *endState = end;
    std::string out;
    for (std::uint8_t a : attrs)
        out.push_back(a < 10 ? static_cast<char>('0' + a) : static_cast<char>('a' + a - 10));
    return out;
}

const char kCLike[] = "@comment1=/*,*/\r\n@comment2=//\r\n@string_chars=\"'\r\n"
                      "@group1\r\nif else while\r\n@group2\r\nint\r\n";

} // namespace

TEST(HighlightScheme, StartsWithTheDefaults)
{
    const HighlightScheme scheme;
    EXPECT_EQ(scheme.NodeCount(), 1u);
    EXPECT_EQ(scheme.m_caseSensitive, 1);
    EXPECT_EQ(scheme.m_linkEnds, std::string("\x05\x07\x06\xB6 '\"[]{}()+\\|!@#$^&*;>,<"));
    EXPECT_EQ(scheme.m_delimiters, scheme.m_linkEnds + "-%~:?./=");
    const HighlightScheme plain = HighlightScheme::PlainText();
    EXPECT_EQ(plain.m_extensions, "txt ");
    EXPECT_EQ(plain.m_linksOn, 1);
    EXPECT_TRUE(HighlightScheme::PlainText().LoadScheme());
}

TEST(HighlightScheme, CommentsRunAcrossLines)
{
    const HighlightScheme scheme = Scheme(kCLike);
    std::uint8_t state = 0xFF;
    EXPECT_EQ(Colours(scheme, "a /* b", STATE_NORMAL, &state), "0bcccc");
    EXPECT_EQ(state, STATE_COMMENT1);
    EXPECT_EQ(Colours(scheme, "", state, &state), "");
    EXPECT_EQ(state, STATE_COMMENT1); // an empty line keeps the comment open
    EXPECT_EQ(Colours(scheme, "c */ d", state, &state), "ccccb0");
    EXPECT_EQ(state, STATE_NORMAL);
    EXPECT_EQ(Colours(scheme, "x // y /* z"), "0bccccccccc");
    // Without attributes only the state is computed.
    EXPECT_EQ(scheme.Scan(STATE_NORMAL, "a /* b", nullptr), STATE_COMMENT1);
}

TEST(HighlightScheme, StringsEndAtTheirQuoteOrTheLine)
{
    const HighlightScheme scheme = Scheme(kCLike);
    EXPECT_EQ(Colours(scheme, "x=\"if\" 'a"), "0baaaabaa");
    // An opener inside a string opens nothing when painting, but the state
    // computation does not look at strings.
    EXPECT_EQ(Colours(scheme, "\"/*\" y"), "aaaab0");
    EXPECT_EQ(scheme.Scan(STATE_NORMAL, "\"/*\" y", nullptr), STATE_COMMENT1);
}

TEST(HighlightScheme, KeywordsNeedDelimitersAround)
{
    const HighlightScheme scheme = Scheme(kCLike);
    EXPECT_EQ(Colours(scheme, "if(x) else"), "11b0bb1111");
    EXPECT_EQ(Colours(scheme, "iff elsewhere"), "000b000000000");
    EXPECT_EQ(Colours(scheme, "int interval"), "222b00000000");
}

// Inside a word, a keyword walk is cut short when no keyword can continue
// through a delimiter; a scheme with such a keyword keeps every walk, so
// both must colour alike wherever that keyword cannot start.
TEST(HighlightScheme, WordsColourAlikeWithAndWithoutTheInsideWordShortcut)
{
    const char* const tokens[] = {"if", "int", "else", "while", "integer", "xif", "m_if", "iff", "IF", "Int",
                                  "42", "\xe0\xe1", " ", "  ", "\t", "(", ")", "->", "/", "*", "\"", "'",
                                  "//", "/*", "*/", "a", "_", "x.y", "\x06", "www", ".", "WWW"};
    // Group 7 colours as a link, which runs on to a link end.
    for (const char* caseLine : {"", "@case_sensitive=off\r\n", "@group7\r\nwww\r\n"}) {
        const HighlightScheme cut = Scheme(std::string(caseLine) + kCLike);
        HighlightScheme walked = cut;
        walked.AddKeyword("\x7f ", 3); // no text below holds 0x7F
        std::uint32_t seed = 12345;
        std::uint8_t cutState = STATE_NORMAL;
        std::uint8_t walkedState = STATE_NORMAL;
        for (int line = 0; line < 3000; ++line) {
            std::string text;
            for (int k = 0; k < 12; ++k) {
                seed = seed * 1103515245 + 12345;
                text += tokens[(seed >> 16) % std::size(tokens)];
            }
            std::uint8_t cutEnd = 0;
            std::uint8_t walkedEnd = 0;
            ASSERT_EQ(Colours(cut, text, cutState, &cutEnd), Colours(walked, text, walkedState, &walkedEnd))
                << "line " << line << ": " << text;
            ASSERT_EQ(cutEnd, walkedEnd);
            cutState = cutEnd;
            walkedState = walkedEnd;
        }
    }
}

// A walk begun inside a word may pass a delimiter that a keyword holds, and
// then no keyword starts at that delimiter; a quote that is no delimiter
// still opens a string inside a word.
TEST(HighlightScheme, WalksInsideWordsThatADelimiterContinues)
{
    const std::string arrows = "@group1\r\nx-\r\n@group2\r\n->\r\n";
    EXPECT_EQ(Colours(Scheme(arrows), "yx->"), "00bb");
    EXPECT_EQ(Colours(Scheme(arrows), "y ->"), "0b22");
    EXPECT_EQ(Colours(Scheme("@group2\r\n->\r\n"), "yx->"), "0022");
    HighlightScheme added = Scheme("@group2\r\n->\r\n");
    added.AddKeyword("x-", 1);
    EXPECT_EQ(Colours(added, "yx->"), "00bb");
    EXPECT_EQ(Colours(Scheme("@delimiters=()\r\n@string_chars=`\r\n"), "xy`z`w"), "00aaa0");
}

TEST(HighlightScheme, TheShortestKeywordWins)
{
    const HighlightScheme scheme = Scheme("@group1\r\na\r\n@group2\r\na.b\r\n");
    EXPECT_EQ(Colours(scheme, "a.b"), "122");
}

TEST(HighlightScheme, WordsInTwoGroupsCombineTheirBits)
{
    const HighlightScheme scheme = Scheme("@group1\r\nboth\r\n@group2\r\nboth\r\n");
    EXPECT_EQ(Colours(scheme, "both"), "3333");
}

TEST(HighlightScheme, CaseSensitivityGovernsTheKeywordsAfterIt)
{
    EXPECT_EQ(Colours(Scheme("@case_sensitive=off\r\n@group1\r\nBEGIN\r\n"), "Begin"), "11111");
    // Keywords read before switching off keep their capitals and never match.
    EXPECT_EQ(Colours(Scheme("@group1\r\nBEGIN\r\n@case_sensitive=off\r\n"), "BEGIN"), "00000");
    EXPECT_EQ(Colours(Scheme("@GROUP1\r\nend\r\n"), "end"), "111");
}

TEST(HighlightScheme, CommentOpenersWithAndWithoutDelimiters)
{
    EXPECT_EQ(Colours(Scheme("@comment1=rem\r\n"), "xremy"), "0cccc");
    const HighlightScheme batch = Scheme("@comment1=rem,\\n\r\n");
    EXPECT_EQ(batch.m_commentClose[0], "\n");
    EXPECT_EQ(batch.m_openNeedsDelimiter[0], 1);
    EXPECT_EQ(Colours(batch, "remark"), "000000");
    EXPECT_EQ(Colours(batch, "rem x"), "ccccc");
}

TEST(HighlightScheme, LinksRunToALinkEnd)
{
    const HighlightScheme scheme = Scheme("@http_hilite=on\r\n");
    // Question marks and equals signs do not end a link; the comma does.
    EXPECT_EQ(Colours(scheme, "see http://a.b/c?d=e, ok"), "000b" + std::string(16, '7') + "bb00");
    // Right after a letter the prefix is no link.
    EXPECT_EQ(Colours(scheme, "xhttp://a"), "00000bbb0");
}

TEST(HighlightScheme, DelimitersAndOddBytesAreColouredToo)
{
    const HighlightScheme scheme = Scheme("@delimiters=;\r\n@group1\r\nk\r\n");
    EXPECT_EQ(scheme.m_delimiters, std::string("\x05\x07\x06 \t;"));
    const std::string line("k;\0k\xE0 k", 7);
    EXPECT_EQ(Colours(scheme, line), "1b000b1");
}

TEST(HighlightScheme, AFullTrieTakesNoMoreWords)
{
    HighlightScheme scheme;
    for (int n = 0; n < 3000; ++n)
        scheme.AddKeyword("w" + std::to_string(n) + "xyzzy", 1);
    EXPECT_LE(scheme.NodeCount(), HighlightScheme::kMaxNodes);
    EXPECT_EQ(Colours(scheme, "w12xyzzy"), "11111111");
}

TEST(HighlightScheme, SchemesAreChosenByExtension)
{
    std::vector<HighlightScheme> schemes{HighlightScheme::PlainText(), HighlightScheme(), HighlightScheme()};
    schemes[1].m_extensions = "c cpp h ";
    schemes[1].m_loaded = 1;
    schemes[2].m_extensions = "pas ";
    schemes[2].m_fileName = "/no/such/pas.hgh";
    EXPECT_EQ(SchemeForExtension(schemes, "cpp ", 0), 1);
    EXPECT_EQ(SchemeForExtension(schemes, "pp ", 0), 0);   // not at a word start
    EXPECT_EQ(SchemeForExtension(schemes, "", 1), 1);       // the default, not loaded
    EXPECT_EQ(SchemeForExtension(schemes, "pas ", 1), 0);   // its file cannot be read
    EXPECT_EQ(SchemeForExtension(schemes, "xyz ", 1), 1);
    EXPECT_EQ(SchemeForExtension(schemes, "c", 0), 1);    // whole names, with or without the blank
    EXPECT_EQ(SchemeForExtension(schemes, "CPP ", 0), 1); // case ignored
    schemes[1].m_extensions = "htm html ";
    schemes[2].m_extensions = "c h ";
    schemes[2].m_loaded = 1;
    EXPECT_EQ(SchemeForExtension(schemes, "h", 0), 2); // "h" is no start of "htm"
    EXPECT_FALSE(GetDescription("/no/such/pas.hgh"));
}

// A document of C-like text and its scheme.
class LineStates : public ::testing::Test {
protected:
    void SetText(std::string_view text)
    {
        doc.OnNewDocument();
        TextPos pos;
        doc.InsertText(pos, text, false);
    }
    AppSettings settings;
    CTextDoc doc{settings};
    const HighlightScheme scheme = Scheme(kCLike);
};

TEST_F(LineStates, AreComputedFromTheNearestKnownLineAndForgottenAfterAnEdit)
{
    SetText("a /* b\r\n\r\nc */ d\r\ne\r\nf");
    EXPECT_EQ(StateBeforeLine(doc, scheme, 0), STATE_NORMAL);
    EXPECT_EQ(StateBeforeLine(doc, scheme, 2), STATE_COMMENT1);
    EXPECT_EQ(doc.GetLineState(0), STATE_COMMENT1);
    EXPECT_EQ(doc.GetLineState(1), STATE_COMMENT1);
    EXPECT_EQ(StateBeforeLine(doc, scheme, 4), STATE_NORMAL);

    // Closing the comment on line 0 changes its end state: the lines after
    // it are forgotten up to the first that already ends normal.
    doc.InsertChar(TextPos{6, 0}, '*');
    doc.InsertChar(TextPos{7, 0}, '/');
    EXPECT_TRUE(RecolourLine(doc, scheme, 0));
    EXPECT_EQ(doc.GetLineState(0), STATE_NORMAL);
    EXPECT_EQ(doc.GetLineState(1), LINE_STATE_UNKNOWN);
    EXPECT_EQ(doc.GetLineState(2), STATE_NORMAL);
    EXPECT_FALSE(RecolourLine(doc, scheme, 0));
}

TEST_F(LineStates, AnEditForgetsEveryStateAfterItUntilTheyAreWorkedOutAgain)
{
    SetText("a /* b\r\nx\r\nc */ d\r\ne\r\nf");
    EXPECT_EQ(StateBeforeLine(doc, scheme, 4), STATE_NORMAL);
    doc.InvalidateStatesFrom(2);
    EXPECT_EQ(doc.GetLineState(1), STATE_COMMENT1);
    for (int line = 2; line < 5; ++line)
        EXPECT_EQ(doc.GetLineState(line), LINE_STATE_UNKNOWN) << line;
    doc.SetLineState(3, STATE_COMMENT2); // out of order: stays forgotten
    EXPECT_EQ(doc.GetLineState(3), LINE_STATE_UNKNOWN);
    EXPECT_EQ(StateBeforeLine(doc, scheme, 4), STATE_NORMAL);
    EXPECT_EQ(doc.GetLineState(2), STATE_NORMAL);
    EXPECT_EQ(doc.GetLineState(3), STATE_NORMAL);
    EXPECT_EQ(doc.GetLineState(4), LINE_STATE_UNKNOWN);
}

TEST(HighlightSchemes, UnreadableFilesAreDroppedAndTheDefaultClamped)
{
    const std::string dir = NOVEDA_DATA_DIR;
    const std::string c = dir + "/highlight/c.hgh";
    const std::string pascal = dir + "/highlight/pascal.hgh";
    int defaultScheme = 9;
    const auto schemes = LoadHighlightSchemes({{"c cpp ", c}, {"x ", "/no/such.hgh"}, {"pas ", pascal}}, defaultScheme);
    ASSERT_EQ(schemes.size(), 3u); // menu commands 10100, 10101, 10102
    EXPECT_EQ(schemes[0].m_description, "Plain text");
    EXPECT_EQ(schemes[1].m_fileName, c);
    EXPECT_EQ(schemes[2].m_extensions, "pas ");
    EXPECT_EQ(defaultScheme, 2);
    EXPECT_FALSE(schemes[1].m_loaded); // read when first chosen
}

namespace {

HighlightScheme Shipped(const std::string& name)
{
    HighlightScheme scheme;
    scheme.m_fileName = std::string(NOVEDA_DATA_DIR) + "/highlight/" + name;
    EXPECT_TRUE(scheme.LoadScheme()) << name;
    return scheme;
}

} // namespace

// Each shipped definition loads and colours a typical line: keywords in
// their groups, strings, comments, delimiters.
TEST(ShippedHighlightFiles, ColourTheirLanguages)
{
    struct Sample {
        const char* file;
        const char* description;
        std::string line;
        std::string colours;
    };
    const Sample samples[] = {
        {"c.hgh", "C/C++", "if (x) return \"s\"; // c", "11bb0bb111111baaabbcccc"},
        {"c.hgh", "C/C++", "#include <a> /* x */", "22222222bb0bbccccccc"},
        {"javascript.hgh", "JavaScript", "let s = 'x'; // c", "111b0bbbaaabbcccc"},
        {"python.hgh", "Python", "def f(): return None # c", "111b0bbbb111111b2222bccc"},
        {"perl.hgh", "Perl", "my $x = \"a\"; # c", "11b00bbbaaabbccc"},
        {"pascal.hgh", "Pascal", "BEGIN x := 'a'; { c } END", "11111b0bbbbaaabbcccccb111"},
        {"sql.hgh", "SQL", "SELECT x FROM t -- c", "111111b0b1111b0bcccc"},
        {"shell.hgh", "Shell script", "if [ -f x ]; then echo \"y\"; fi # c", "11bbbb0b0bbbb1111b2222baaabb11bccc"},
        {"batch.hgh", "Batch file", "rem note", "cccccccc"},
        {"batch.hgh", "Batch file", "ECHO %1 :: c", "2222b33bcccc"},
        {"html.hgh", "HTML", "<a href=\"x\"> <!-- c -->", "b1b2222baaabbcccccccccc"},
        {"tex.hgh", "TeX", "\\section{A} % c", "11111111b0bbccc"},
    };
    for (const Sample& sample : samples) {
        const HighlightScheme scheme = Shipped(sample.file);
        EXPECT_EQ(GetDescription(scheme.m_fileName), sample.description);
        EXPECT_EQ(Colours(scheme, sample.line), sample.colours) << sample.file << ": " << sample.line;
    }
}

TEST(HighlightScheme, ViewSourceAsListsTheSchemesAfterPlainText)
{
    std::vector<HighlightScheme> schemes(3, HighlightScheme::PlainText());
    schemes[1].m_description = "C/C++";
    schemes[2].m_description = "HTML";
    const Menu items = ViewSourceAsItems(schemes);
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0], MenuItem::Command(10101, "C/C++"));
    EXPECT_EQ(items[1], MenuItem::Command(10102, "HTML"));
    EXPECT_TRUE(items[2].separator);
    EXPECT_EQ(items[3], MenuItem::Command(40017, "Set as default"));

    // Commands stop at 10150: later schemes get no item.
    schemes.resize(60, HighlightScheme::PlainText());
    EXPECT_EQ(ViewSourceAsItems(schemes).size(), 50u + 2u);
    EXPECT_EQ(ViewSourceAsItems(schemes)[49].id, 10150u);
}
