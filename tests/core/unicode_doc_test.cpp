// Documents of Unicode files: held in WIN, written back in their own form,
// converted by Save As, and never silently damaged.
#include "core/text/unicode_text.h"
#include "core/view/highlight_scheme.h"
#include "core/view/html_export.h"
#include "doc_fixture.h"

#include <random>

using namespace std::string_literals;
using Lines = std::vector<std::string>;

namespace {

const std::string kPath = "C:\\texts\\utf.txt";
const std::string kPrivet8 = "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82"; // "Привет" in UTF-8
const std::string kPrivet1251 = "\xCF\xF0\xE8\xE2\xE5\xF2";

// "Привет" in UTF-16 of either byte order.
std::string Privet16(bool bigEndian)
{
    const char16_t units[] = {0x41F, 0x440, 0x438, 0x432, 0x435, 0x442};
    std::string bytes;
    for (char16_t unit : units) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

// ASCII text widened to UTF-16 of either byte order.
std::string Wide(std::string_view ascii, bool bigEndian)
{
    std::string bytes;
    for (char c : ascii)
        bytes += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
    return bytes;
}

class UnicodeDocTest : public DocTest {
protected:
    UnicodeDocTest() { fs.directories.insert("C:\\texts"); }

    bool Open(const std::string& bytes, const OpenOptions& options = {})
    {
        fs.files[kPath] = bytes;
        return doc.OnOpenDocument(kPath, options);
    }
    std::string Saved()
    {
        EXPECT_TRUE(doc.OnSaveDocument(kPath));
        return fs.files[kPath];
    }
};

} // namespace

TEST_F(UnicodeDocTest, UnchangedFilesSaveBackByteForByte)
{
    const std::string bom8 = "\xEF\xBB\xBF";
    const std::string le = "\xFF\xFE";
    const std::string be = "\xFE\xFF";
    const struct {
        std::string bytes;
        UnicodeForm form;
    } files[] = {
        {kPrivet8 + "\r\n\t" + kPrivet8 + "\r\n", UnicodeForm::Utf8},
        {kPrivet8 + "\nx\ny", UnicodeForm::Utf8},
        {"a\r" + kPrivet8 + "\r", UnicodeForm::Utf8},
        {bom8 + kPrivet8 + "\r\n", UnicodeForm::Utf8Bom},
        {bom8 + "plain ASCII", UnicodeForm::Utf8Bom},
        {bom8, UnicodeForm::Utf8Bom},
        {le + Privet16(false) + Wide("\r\n\tz", false), UnicodeForm::Utf16Le},
        {be + Privet16(true) + Wide("\nz\n", true), UnicodeForm::Utf16Be},
        {le, UnicodeForm::Utf16Le},
        {be + Wide("\r", true), UnicodeForm::Utf16Be},
    };
    for (const auto& file : files) {
        ASSERT_TRUE(Open(file.bytes));
        EXPECT_EQ(doc.GetUnicodeForm(), file.form) << file.bytes;
        EXPECT_EQ(doc.GetCodePage(), CP_WIN);
        EXPECT_FALSE(doc.SavesOnlyElsewhere());
        EXPECT_EQ(Saved(), file.bytes);
    }
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(UnicodeDocTest, Utf16WithoutAMarkSavesBackWithoutOne)
{
    const std::string bytes = Privet16(false) + Wide("\r\nz", false);
    ASSERT_TRUE(Open(bytes, OpenInEncoding(kEncodingUtf16)));
    EXPECT_EQ(doc.GetLine(0), kPrivet1251);
    EXPECT_EQ(Saved(), bytes);
    doc.SetPathName(kPath);
    ASSERT_TRUE(doc.Reload());
    EXPECT_EQ(doc.GetUnicodeForm(), UnicodeForm::Utf16LeNoBom);
    EXPECT_EQ(Saved(), bytes);
}

// The first block read (32 KB) is ASCII alone: the rest decides.
TEST_F(UnicodeDocTest, Utf8AfterALongAsciiStartIsUtf8)
{
    std::string ascii;
    while (ascii.size() < 40000)
        ascii += "plain ASCII text\tof a long header\n";
    ASSERT_TRUE(Open(ascii + kPrivet8 + "\t!\n"));
    EXPECT_EQ(doc.GetUnicodeForm(), UnicodeForm::Utf8);
    EXPECT_EQ(doc.GetCodePage(), CP_WIN);
    const int line = doc.GetLineCount() - 2;
    settings.TabSize = 8;
    EXPECT_EQ(doc.GetLine(line), kPrivet1251 + "\x07\x06"s + "!"); // tab cells laid for the decoded line
    TextPos end{0, line + 1};
    doc.InsertText(end, "\xB8", true); // typed "ё" is saved as UTF-8
    EXPECT_EQ(Saved(), ascii + kPrivet8 + "\t!\n\xD1\x91");

    // Invalid anywhere: a code-page file, byte for byte.
    ASSERT_TRUE(Open(ascii + kPrivet8 + "\xFF\n"));
    EXPECT_EQ(doc.GetUnicodeForm(), UnicodeForm::None);
    EXPECT_EQ(Saved(), ascii + kPrivet8 + "\xFF\n");
    // A sequence cut off by the end of the file.
    ASSERT_TRUE(Open(ascii + kPrivet8.substr(0, 3)));
    EXPECT_EQ(doc.GetUnicodeForm(), UnicodeForm::None);
    // ASCII throughout stays a code-page file.
    ASSERT_TRUE(Open(ascii + ascii));
    EXPECT_EQ(doc.GetUnicodeForm(), UnicodeForm::None);
    // A character outside cp1251 is said, with its line.
    ASSERT_TRUE(Open(ascii + "\n\xE2\x86\x92\n"));
    EXPECT_TRUE(doc.SavesOnlyElsewhere());
    ASSERT_FALSE(prompts.messages.empty());
    EXPECT_NE(prompts.messages.back().find("U+2192"), std::string::npos);
    EXPECT_NE(prompts.messages.back().find(std::to_string(doc.GetLineCount() - 1)), std::string::npos); // from 1
}

TEST(Utf8Check, SequencesCutByBlocksOfAnySize)
{
    const std::string text = "ab" + kPrivet8 + "\xF0\x9F\x98\x80" + "cd";
    for (std::size_t size = 1; size <= 5; ++size) {
        Utf8Check check;
        for (std::size_t at = 0; at < text.size(); at += size)
            check.Take(std::string_view(text).substr(at, size));
        EXPECT_TRUE(check.IsUtf8()) << size;
        Utf8Check broken;
        for (std::size_t at = 0; at < text.size() - 3; at += size)
            broken.Take(std::string_view(text).substr(at, std::min(size, text.size() - 3 - at)));
        EXPECT_FALSE(broken.IsUtf8()) << size; // ends inside the four-byte sequence
    }
    Utf8Check overlong;
    overlong.Take("abcdefgh\xC0\x80");
    EXPECT_TRUE(overlong.IsInvalid());
}

TEST_F(UnicodeDocTest, InsertFileDecodesUnicodeFilesAsOpenDoes)
{
    ASSERT_TRUE(Open("[]", OpenInEncoding(CP_KOI8)));
    fs.files["C:\\texts\\hedgehog.txt"] = "\xEF\xBB\xBF\xD0\x81\xD0\xB6\r\n!";
    TextPos at{1, 0};
    ASSERT_TRUE(doc.InsertFile("C:\\texts\\hedgehog.txt", at));
    EXPECT_EQ(Stored(), (Lines{"[\xB3\xD6", "!]"})); // Ёж in KOI8-R, the document's code page
    fs.files["C:\\texts\\wide.txt"] = "\xFF\xFE" + Wide("a\tb", false);
    at = TextPos{0, 1};
    ASSERT_TRUE(doc.InsertFile("C:\\texts\\wide.txt", at));
    EXPECT_EQ(doc.GetLine(1), "a\x07\x06\x06" "b!]");
}

TEST_F(UnicodeDocTest, TheTextIsHeldInWinWithLineEndsAndTabCellsAsAnyFile)
{
    settings.TabSize = 4;
    ASSERT_TRUE(Open(kPrivet8 + "\t!\n\xC2\xAB" + "x\xC2\xBB\n"));
    EXPECT_EQ(Stored(), (Lines{kPrivet1251 + "\x07\x06"s "!", "\xABx\xBB", ""}));
    EXPECT_EQ(doc.GetLineEndType(), LINE_END_LF);

    // Typed WIN text is written as UTF-8.
    TextPos end{0, 2};
    doc.InsertText(end, "\xB8", true); // "ё"
    EXPECT_EQ(Saved(), kPrivet8 + "\t!\n\xC2\xAB" + "x\xC2\xBB\n\xD1\x91");
}

TEST_F(UnicodeDocTest, ASequenceCutByTheReadBlocksIsWholeInTheText)
{
    std::mt19937 rng(5);
    std::string bytes;
    while (bytes.size() < 700000)
        bytes += rng() % 5 == 0 ? "\r\n"s : rng() % 2 ? kPrivet8 : " word "s;
    ASSERT_TRUE(Open(bytes));
    EXPECT_EQ(doc.GetUnicodeForm(), UnicodeForm::Utf8);
    EXPECT_EQ(doc.GetLine(0).find('?'), std::string::npos);
    EXPECT_EQ(Saved(), bytes);

    const std::string wide = "\xFF\xFE"s + Wide(std::string(100001, 'a'), false);
    ASSERT_TRUE(Open(wide));
    EXPECT_EQ(doc.GetLine(0), std::string(100001, 'a'));
    EXPECT_EQ(Saved(), wide);
}

TEST_F(UnicodeDocTest, CharactersWithoutACounterpartAreSaidAndTheFileIsNotOverwritten)
{
    const std::string original = "first\n" + kPrivet8 + " \xE2\x82\xAC \xE4\xB8\xAD\n"; // the euro sign, then a CJK one
    ASSERT_TRUE(Open(original));
    EXPECT_TRUE(doc.SavesOnlyElsewhere());
    EXPECT_EQ(doc.GetLine(1), kPrivet1251 + " \x88 ?");
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_NE(prompts.messages[0].find("(the first: U+4E2D in line 2)"), std::string::npos) << prompts.messages[0];
    EXPECT_NE(prompts.messages[0].find(kPath), std::string::npos);

    doc.SetPathName(kPath);
    EXPECT_NE(doc.Caption().find("[read-only]"), std::string::npos);
    EXPECT_FALSE(doc.StatusNote().empty());
    prompts.savePath.reset();
    EXPECT_FALSE(doc.DoFileSave());
    EXPECT_EQ(fs.files[kPath], original);
    // Save As onto the file itself: the question about the lost characters
    // is answered No (its default), and nothing is written.
    prompts.savePath = kPath;
    prompts.yes = false;
    prompts.questions.clear();
    EXPECT_FALSE(doc.DoFileSave());
    EXPECT_EQ(fs.files[kPath], original);
    ASSERT_EQ(prompts.questions.size(), 2u);
    EXPECT_EQ(prompts.questions[1].substr(0, 13), "1 characters ");
    EXPECT_TRUE(doc.SavesOnlyElsewhere());
    // Kept elsewhere on the user's choice, with the ? in it.
    prompts.yes = true;
    prompts.savePath = "C:\\texts\\copy.txt";
    ASSERT_TRUE(doc.DoFileSave());
    EXPECT_EQ(fs.files["C:\\texts\\copy.txt"], "first\n" + kPrivet8 + " \xE2\x82\xAC ?\n");
    EXPECT_EQ(fs.files[kPath], original);
    EXPECT_FALSE(doc.SavesOnlyElsewhere()); // its own file holds the ? now
    EXPECT_EQ(doc.Caption(), "C:\\texts\\copy.txt");

    // Invalid UTF-8 after the detected start, and a cut UTF-16 unit at the end.
    ASSERT_TRUE(Open(kPrivet8 + std::string(40000, 'a') + "\n\xFF"));
    EXPECT_TRUE(doc.SavesOnlyElsewhere());
    ASSERT_TRUE(Open("\xFF\xFE" + Wide("ab", false) + "c"));
    EXPECT_TRUE(doc.SavesOnlyElsewhere());
    EXPECT_EQ(doc.GetLine(0), "ab?");
}

TEST_F(UnicodeDocTest, DetectionLeavesCodePageFilesAlone)
{
    ASSERT_TRUE(Open("plain ASCII\r\n"));
    EXPECT_EQ(doc.GetUnicodeForm(), UnicodeForm::None);
    ASSERT_TRUE(Open(kPrivet1251));
    EXPECT_EQ(doc.GetUnicodeForm(), UnicodeForm::None);
    // A code page asked for reads even valid UTF-8 as bytes.
    ASSERT_TRUE(Open(kPrivet8, OpenInEncoding(CP_KOI8)));
    EXPECT_EQ(doc.GetUnicodeForm(), UnicodeForm::None);
    EXPECT_EQ(doc.GetLine(0), kPrivet8);
}

TEST_F(UnicodeDocTest, AFormAskedForReadsTheFileSoAndItsMarkDecidesTheVariant)
{
    ASSERT_TRUE(Open("ASCII", OpenInEncoding(kEncodingUtf8)));
    EXPECT_EQ(doc.GetUnicodeForm(), UnicodeForm::Utf8);
    ASSERT_TRUE(Open("\xEF\xBB\xBF" "a", OpenInEncoding(kEncodingUtf8)));
    EXPECT_EQ(doc.GetUnicodeForm(), UnicodeForm::Utf8Bom);
    EXPECT_EQ(doc.GetLine(0), "a");
    ASSERT_TRUE(Open(Wide("ab", false), OpenInEncoding(kEncodingUtf16)));
    EXPECT_EQ(doc.GetUnicodeForm(), UnicodeForm::Utf16LeNoBom);
    EXPECT_EQ(doc.GetLine(0), "ab");
    ASSERT_TRUE(Open("\xFE\xFF" + Wide("ab", true), OpenInEncoding(kEncodingUtf16)));
    EXPECT_EQ(doc.GetUnicodeForm(), UnicodeForm::Utf16Be);
    EXPECT_EQ(doc.GetLine(0), "ab");

    // Reload keeps reading the file in its form.
    doc.SetPathName(kPath);
    fs.files[kPath] = "\xFE\xFF" + Wide("cd", true);
    ASSERT_TRUE(doc.Reload());
    EXPECT_EQ(doc.GetLine(0), "cd");
}

TEST_F(UnicodeDocTest, SaveAsConvertsBetweenCodePagesAndUnicode)
{
    ASSERT_TRUE(Open(kPrivet1251 + "\r\n"));
    doc.SetPathName(kPath);
    prompts.savePath = "C:\\texts\\u8.txt";
    prompts.saveEncoding = kEncodingUtf8;
    ASSERT_TRUE(doc.DoSaveAs());
    EXPECT_EQ(fs.files["C:\\texts\\u8.txt"], kPrivet8 + "\r\n");
    EXPECT_EQ(doc.GetUnicodeForm(), UnicodeForm::Utf8);

    prompts.savePath = "C:\\texts\\u16.txt";
    prompts.saveEncoding = kEncodingUtf16;
    ASSERT_TRUE(doc.DoSaveAs());
    EXPECT_EQ(fs.files["C:\\texts\\u16.txt"], "\xFF\xFE" + Privet16(false) + Wide("\r\n", false));

    // Back to a code page: KOI8 converts the text it holds.
    prompts.savePath = "C:\\texts\\koi.txt";
    prompts.saveEncoding = CP_KOI8;
    ASSERT_TRUE(doc.DoSaveAs());
    EXPECT_EQ(fs.files["C:\\texts\\koi.txt"], "\xF0\xD2\xC9\xD7\xC5\xD4\r\n");
    EXPECT_EQ(doc.GetUnicodeForm(), UnicodeForm::None);
    EXPECT_EQ(doc.GetCodePage(), CP_KOI8);
    EXPECT_TRUE(doc.CanUndo());

    // A KOI8 document saved as UTF-8 is converted into WIN first.
    prompts.savePath = "C:\\texts\\again.txt";
    prompts.saveEncoding = kEncodingUtf8;
    ASSERT_TRUE(doc.DoSaveAs());
    EXPECT_EQ(fs.files["C:\\texts\\again.txt"], kPrivet8 + "\r\n");
    EXPECT_EQ(doc.GetCodePage(), CP_WIN);

    // Nothing chosen keeps the form; a failed save keeps form and text.
    prompts.savePath = "C:\\texts\\same.txt";
    prompts.saveEncoding.reset();
    ASSERT_TRUE(doc.DoSaveAs());
    EXPECT_EQ(fs.files["C:\\texts\\same.txt"], kPrivet8 + "\r\n");
    prompts.savePath = "C:\\missing\\koi.txt";
    prompts.saveEncoding = CP_DOS;
    EXPECT_FALSE(doc.DoSaveAs());
    EXPECT_EQ(doc.GetUnicodeForm(), UnicodeForm::Utf8);
    EXPECT_EQ(doc.GetCodePage(), CP_WIN);
    EXPECT_EQ(doc.GetLine(0), kPrivet1251);
}

TEST_F(UnicodeDocTest, AnHtmlPageOfAUnicodeFileIsUtf8AndSaysSo)
{
    for (const std::string& bytes : {kPrivet8 + "<\n", "\xFF\xFE"s + Privet16(false) + Wide("<\n", false)}) {
        ASSERT_TRUE(Open(bytes));
        EXPECT_EQ(ExportHtml(doc, HighlightScheme(), DefaultColors()),
                  "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\"></head>"
                  "<body bgcolor=ffffff link=0000ff vlink=0000ff text=000000>\n<pre>\n"
                  "<font color=000000>" +
                      kPrivet8 + "</font><font color=7f7f7f>&lt;</font>\n\n</pre>\n</body>\n</html>");
    }
}

TEST(EncodingChoice, NamesFormsAndCodePages)
{
    EXPECT_EQ(EncodingOf(CP_KOI8, UnicodeForm::None), CP_KOI8);
    EXPECT_EQ(EncodingOf(CP_WIN, UnicodeForm::Utf8Bom), kEncodingUtf8);
    EXPECT_EQ(EncodingOf(CP_WIN, UnicodeForm::Utf16Be), kEncodingUtf16);
    EXPECT_EQ(OpenInEncoding(kEncodingAuto).unicode, std::nullopt);
    EXPECT_EQ(OpenInEncoding(kEncodingAuto).codePage, std::nullopt);
    EXPECT_EQ(OpenInEncoding(kEncodingUtf16).unicode, UnicodeForm::Utf16Le);
    EXPECT_EQ(OpenInEncoding(9).unicode, std::nullopt);
    EXPECT_EQ(NamedEncoding(kEncodingAuto), std::nullopt);
    EXPECT_EQ(NamedEncoding(CP_DOS), CP_DOS);
    EXPECT_EQ(NamedEncoding(kEncodingUtf16), kEncodingUtf16);
    EXPECT_EQ(NamedEncoding(-1), std::nullopt);
}
