// The HTML export and the mail body: the whole text handed to other programs.
#include "core/doc/mail_body.h"
#include "core/text/setup_file.h"
#include "core/view/highlight_scheme.h"
#include "core/view/html_export.h"
#include "doc_fixture.h"

namespace {

#define NOVEDA_HTML_START "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\"></head>"
const char kHead[] = NOVEDA_HTML_START "<body bgcolor=ffffff link=0000ff vlink=0000ff text=000000>\n<pre>\n";
const char kTail[] = "</pre>\n</body>\n</html>";

} // namespace

TEST_F(DocTest, AnEmptyDocumentExportsHeadOneLineBreakAndTail)
{
    doc.OnNewDocument();
    EXPECT_EQ(ExportHtml(doc, HighlightScheme(), DefaultColors()), std::string(kHead) + "\n" + kTail);
}

TEST_F(DocTest, RunsOfOneSlotShareATagAndTabsBecomeBlanks)
{
    settings.TabSize = 4;
    SetLines({"a<b", "\tx"});
    ColorTable colors = DefaultColors();
    colors[COLOR_TEXT] = 0x00332211; // blue 33, green 22, red 11
    const std::string page = ExportHtml(doc, HighlightScheme(), colors);
    EXPECT_EQ(page, NOVEDA_HTML_START "<body bgcolor=ffffff link=0000ff vlink=0000ff text=112233>\n<pre>\n"
                    "<font color=112233>a</font><font color=7f7f7f>&lt;</font><font color=112233>b</font>\n"
                    "<font color=7f7f7f>    </font><font color=112233>x</font>\n" +
                        std::string(kTail));
}

TEST_F(DocTest, LinksBecomeAnchorsAndCommentsCarryOver)
{
    auto reader = SetupReader::FromText("#Noveda setup file\r\n@comment1=/*,*/\r\n@http_hilite=on\r\n");
    HighlightScheme scheme;
    scheme.ReadDefinition(*reader);
    SetLines({"see http://x.y?a=1", "/* a", "b */", "&lt; stays"});
    const std::string page = ExportHtml(doc, scheme, DefaultColors());
    EXPECT_NE(page.find("<a href=http://x.y?a=1>http://x.y?a=1</a>\n"), std::string::npos);
    // An ampersand is escaped, so "&lt;" in the text shows as written.
    EXPECT_NE(page.find("<font color=7f7f7f>&amp;</font><font color=000000>lt</font>"), std::string::npos);
    EXPECT_NE(page.find("<font color=007f7f>b */</font>\n"), std::string::npos);

    ASSERT_TRUE(ExportHtmlToFile(doc, scheme, DefaultColors(), fs, "C:\\out.htm"));
    std::string expected;
    for (char ch : page)
        expected += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
    EXPECT_EQ(fs.files["C:\\out.htm"], expected); // every LF written as CR LF
}

// A page keeps the document's bytes and names their code page.
TEST_F(DocTest, APageNamesTheCodePageOfItsBytes)
{
    const char* charsets[] = {"koi8-r", "ibm866", "x-mac-cyrillic", "iso-8859-5", "windows-1251"};
    for (int codePage = 0; codePage < kCodePageCount; ++codePage) {
        fs.files["C:\\page.txt"] = "\xC1";
        ASSERT_TRUE(doc.OnOpenDocument("C:\\page.txt", {.codePage = static_cast<CodePage>(codePage)}));
        const std::string page = ExportHtml(doc, HighlightScheme(), DefaultColors());
        EXPECT_NE(page.find(std::string("charset=") + charsets[codePage] + "\""), std::string::npos) << page;
        EXPECT_NE(page.find("\xC1"), std::string::npos);
    }
}

TEST(HtmlExport, SuggestsANameThatNeverReplacesTheSource)
{
    EXPECT_EQ(SuggestHtmlName("C:\\notes.txt"), "C:\\notes.htm");
    EXPECT_EQ(SuggestHtmlName("C:\\page.html"), "C:\\page_.htm");
    EXPECT_EQ(SuggestHtmlName("notes.htm"), "notes_.htm");
    EXPECT_EQ(SuggestHtmlName("untitled1"), "untitled1.htm");
    EXPECT_EQ(SuggestHtmlName("C:\\my.dir\\readme"), "C:\\my.dir\\readme.htm");
}

TEST_F(DocTest, AMailBodyIsTheWholeTextInWin)
{
    settings.TabSize = 4;
    // "мир" in KOI8, a tab, and a second line.
    SetLines({"\xCD\xC9\xD2\tx", "end"});
    EXPECT_EQ(MailBody(doc, CP_KOI8), "\xEC\xE8\xF0\tx\r\nend");
    EXPECT_EQ(MailBody(doc, CP_WIN), "\xCD\xC9\xD2\tx\r\nend");
}
