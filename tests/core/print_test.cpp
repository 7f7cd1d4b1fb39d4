// Printing: header and footer templates, the text area, pagination and the
// rows each page prints.
#include "core/text/code_pages.h"
#include "core/view/print_layout.h"
#include "core/view/print_template.h"
#include "doc_fixture.h"

namespace {

TemplateFacts Facts(int page, int pageCount)
{
    TemplateFacts facts;
    facts.title = "notes.txt";
    facts.path = "C:\\texts\\notes.txt";
    facts.page = page;
    facts.pageCount = pageCount;
    facts.shortDate = "12/10/26";
    facts.longDate = "December 10, 2026";
    facts.time = "12:00:00";
    return facts;
}

// 254 units per inch make ten millimetres exactly 100 units.
PrintMetrics Metrics(Rect page, int lineHeight = 10, int charWidth = 10)
{
    return {page, 254, lineHeight, charWidth};
}

PrintSettings NoMargins(bool header = false, bool footer = false)
{
    PrintSettings print;
    print.Left = print.Top = print.Right = print.Bottom = 0;
    print.PrintHeader = header;
    print.PrintFooter = footer;
    return print;
}

} // namespace

TEST(PrintTemplate, DefaultHeaderAndFooterFillTheirParts)
{
    const PrintSettings defaults;
    EXPECT_EQ(ExpandTemplate(defaults.Header, Facts(2, 5), false), (TemplateParts{"notes.txt", "", "12/10/26"}));
    EXPECT_EQ(ExpandTemplate(defaults.Footer, Facts(2, 5), false), (TemplateParts{"", "Page 2 of 5", ""}));
    EXPECT_EQ(ExpandTemplate("&F at &t, &D", Facts(1, 1), false),
              (TemplateParts{"", "C:\\texts\\notes.txt at 12:00:00, December 10, 2026", ""}));
}

TEST(PrintTemplate, SwappedSidesExchangeLeftAndRightOnly)
{
    EXPECT_EQ(ExpandTemplate("&L&f&R&d", Facts(1, 2), true), (TemplateParts{"12/10/26", "", "notes.txt"}));
    EXPECT_EQ(ExpandTemplate("&Lleft&Ccentre&Rright", Facts(1, 2), true), (TemplateParts{"right", "centre", "left"}));
}

TEST(PrintTemplate, TextWithoutCodesAndStrayAmpersands)
{
    EXPECT_EQ(ExpandTemplate("Draft", Facts(1, 1), false), (TemplateParts{"", "Draft", ""}));
    EXPECT_EQ(ExpandTemplate("A&&B &x", Facts(1, 1), false), (TemplateParts{"", "A&B x", ""}));
    EXPECT_EQ(ExpandTemplate("&RTom &", Facts(1, 1), false), (TemplateParts{"", "", "Tom &"}));
    EXPECT_EQ(ExpandTemplate("", Facts(1, 1), false), TemplateParts{});
}

TEST(PrintTemplate, ClockTextsAndTheCodeMenu)
{
    TemplateFacts facts;
    SetTemplateClock(facts, 1796904000); // 10 December 2026, noon UTC
    EXPECT_NE(facts.longDate.find("December 1"), std::string::npos) << facts.longDate;
    EXPECT_NE(facts.longDate.find(", 2026"), std::string::npos) << facts.longDate;
    ASSERT_EQ(facts.time.size(), 8u);
    EXPECT_EQ(facts.time.substr(2, 1) + facts.time.substr(5, 1), "::");
    EXPECT_FALSE(facts.shortDate.empty());

    std::string codes;
    for (const TemplateCode& code : TemplateCodes())
        codes += code.code;
    EXPECT_EQ(codes, "&f&F&p&P&d&D&t&L&C&R");
    EXPECT_EQ(TemplateCodes()[kFirstAlignmentCode].stringId, 5027u);
}

TEST(PrintLayoutTest, MarginsAndBandsShapeTheTextArea)
{
    const PrintLayout layout = LayOutPrint(PrintSettings{}, Metrics({0, 0, 800, 1000}));
    EXPECT_EQ(layout.textArea, (Rect{100, 115, 700, 885}));
    EXPECT_EQ(layout.charsPerRow, 60); // whole characters only
    EXPECT_EQ(layout.rowsPerPage, 77);
    EXPECT_EQ(layout.HeaderBand(), (Rect{100, 100, 700, 115}));
    EXPECT_EQ(layout.HeaderRuleY(), 112);
    EXPECT_EQ(layout.FooterBand(), (Rect{100, 885, 700, 900}));
    EXPECT_EQ(layout.FooterRuleY(), 888);

    PrintSettings bare;
    bare.PrintHeader = bare.PrintFooter = 0;
    EXPECT_EQ(LayOutPrint(bare, Metrics({0, 0, 800, 1000})).textArea, (Rect{100, 100, 700, 900}));
}

TEST(PrintLayoutTest, MarginsBeyondThePageLeaveOneRowAndOneColumn)
{
    PrintSettings wide;
    wide.Left = wide.Right = wide.Top = wide.Bottom = 1000; // read as 100 mm each
    for (const Rect page : {Rect{0, 0, 300, 300}, Rect{0, 0, 5, 5}}) {
        const PrintLayout layout = LayOutPrint(wide, Metrics(page));
        EXPECT_EQ(layout.charsPerRow, 1);
        EXPECT_EQ(layout.rowsPerPage, 1);
        EXPECT_GE(layout.textArea.left, page.left);
        EXPECT_LE(layout.textArea.right, std::max(page.right, layout.textArea.left + 10));
    }
    const PrintLayout layout = LayOutPrint(wide, Metrics({0, 0, 300, 300}));
    EXPECT_EQ(layout.textArea.Width(), 10);
    EXPECT_EQ(layout.textArea.Height(), 10);
    EXPECT_GE(layout.HeaderBand().top, 0);
    EXPECT_LE(layout.FooterBand().bottom, 300);

    PrintSettings negative = NoMargins();
    negative.Left = negative.Top = -50;
    EXPECT_EQ(LayOutPrint(negative, Metrics({0, 0, 300, 300})).textArea, (Rect{0, 0, 300, 300}));
}

// Pages of 3 rows of 4 characters.
class PaginationTest : public DocTest {
protected:
    std::vector<std::vector<std::string>> Pages(int lastPage = 0, int codePage = CP_WIN)
    {
        layout = LayOutPrint(NoMargins(), Metrics({0, 0, 40, 30}));
        Paginate(layout, doc, lastPage);
        std::vector<std::vector<std::string>> pages;
        for (int page = 1; page <= layout.PageCount(); ++page)
            pages.push_back(PageRows(layout, doc, page, codePage));
        return pages;
    }
    using Page = std::vector<std::string>;
    PrintLayout layout;
};

TEST_F(PaginationTest, LongLinesContinueOnTheNextPageFromTheColumnReached)
{
    SetLines({"ab", "0123456789", "cd"});
    EXPECT_EQ(Pages(), (std::vector<Page>{{"ab", "0123", "4567"}, {"89", "cd"}}));
    EXPECT_EQ(layout.pageStarts, (std::vector<TextPos>{{0, 0}, {8, 1}}));
}

TEST_F(PaginationTest, ALineOfWholeRowsTakesNoBlankRow)
{
    SetLines({"abcd", "efghijkl", "", "x"});
    EXPECT_EQ(Pages(), (std::vector<Page>{{"abcd", "efgh", "ijkl"}, {"", "x"}}));
}

TEST_F(PaginationTest, EmptyDocumentIsOnePageOfOneEmptyRow)
{
    doc.OnNewDocument();
    EXPECT_EQ(Pages(), (std::vector<Page>{{""}}));
}

TEST_F(PaginationTest, APageRangeStopsThePaginationAtItsLastPage)
{
    SetLines({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"});
    EXPECT_EQ(Pages().size(), 4u);
    EXPECT_EQ(Pages(2), (std::vector<Page>{{"1", "2", "3"}, {"4", "5", "6"}}));
}

TEST_F(PaginationTest, ALineFeedInsideALineStartsAPage)
{
    SetLines({"ab", "cd\nef", "\ngh"});
    EXPECT_EQ(Pages(), (std::vector<Page>{{"ab", "cd"}, {"\nef"}, {"\ngh"}}));
}

TEST_F(PaginationTest, TabCellsPrintAsBlanksInWin)
{
    settings.TabSize = 4;
    SetLines({"\tx"});
    std::string koi8 = "\xc1"; // KOI8-R "а"
    doc.AppendLine(koi8);
    EXPECT_EQ(Pages(0, CP_KOI8), (std::vector<Page>{{"    ", "x", "\xe0"}}));
}

TEST_F(PaginationTest, EveryByteIsPrintedOnceAndNoPageOverflows)
{
    std::string text;
    std::vector<std::string> lines;
    for (int i = 0; i < 40; ++i) {
        lines.push_back(text);
        text += static_cast<char>('a' + i % 26);
    }
    doc.DeleteContents();
    for (const std::string& line : lines)
        doc.AppendLine(line);
    std::string printed;
    for (const Page& page : Pages()) {
        EXPECT_LE(static_cast<int>(page.size()), layout.rowsPerPage);
        for (const std::string& row : page) {
            EXPECT_LE(row.size(), 4u);
            printed += row + "|";
        }
    }
    std::string expected;
    for (const std::string& line : lines) {
        for (std::size_t col = 0; col < line.size(); col += 4)
            expected += line.substr(col, 4) + "|";
        if (line.empty())
            expected += "|";
    }
    EXPECT_EQ(printed, expected);
}

// The footer the program ships prints in the interface language; a footer
// the user wrote is never translated.
TEST(PrintTemplate, TheShippedFooterSpeaksTheInterfaceLanguage)
{
    const StringLookup russian = [](std::uint32_t id) -> std::optional<std::string> {
        return id == kShippedFooter.id ? std::optional<std::string>("\xD1\xF2\xF0. &p/&P") : std::nullopt;
    };
    EXPECT_EQ(FooterInLanguage(PrintSettings{}.Footer, russian), "\xD1\xF2\xF0. &p/&P");
    EXPECT_EQ(FooterInLanguage(PrintSettings{}.Footer, {}), "Page &p of &P");
    EXPECT_EQ(FooterInLanguage("&f - &p", russian), "&f - &p");
}
