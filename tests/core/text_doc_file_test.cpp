// Documents and their files: detection, loading, saving with backups and
// failures, reload, insert file, title and path.
#include "core/doc/detect.h"
#include "core/doc/pc1_cipher.h"
#include "doc_fixture.h"

#include <algorithm>
#include <random>

using namespace std::string_literals;
using Lines = std::vector<std::string>;

namespace {

const std::string kPath = "C:\\texts\\notes.txt";

class FileTest : public DocTest {
protected:
    FileTest() { fs.directories.insert("C:\\texts"); }

    bool Open(const std::string& bytes, std::uint8_t lineEnd = kLineEndAuto)
    {
        fs.files[kPath] = bytes;
        return doc.OnOpenDocument(kPath, {.codePage = CP_WIN, .lineEnd = ChosenLineEnd(lineEnd)});
    }
    // Saves under kPath and gives the bytes written.
    std::string Saved()
    {
        EXPECT_TRUE(doc.OnSaveDocument(kPath));
        return fs.files[kPath];
    }
};

} // namespace

TEST(Detect, LineEndFollowsTheFirstLf)
{
    EXPECT_EQ(DetectLineEnd("a\nb", 3), LINE_END_LF);
    EXPECT_EQ(DetectLineEnd("a\n\rb", 4), LINE_END_LFCR);
    EXPECT_EQ(DetectLineEnd("a\r\nb", 4), LINE_END_CRLF);
    EXPECT_EQ(DetectLineEnd("a\rb", 3), LINE_END_CRLF);
    EXPECT_EQ(DetectLineEnd("a\n", 2), LINE_END_LF);
    EXPECT_EQ(DetectLineEnd("", 0), LINE_END_CRLF);
}

TEST_F(FileTest, AnEmptyFileIsOneEmptyLineAndSavesEmpty)
{
    ASSERT_TRUE(Open(""));
    EXPECT_EQ(Stored(), Lines{""});
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(Saved(), "");
}

TEST_F(FileTest, CrLfFilesRoundTrip)
{
    ASSERT_TRUE(Open("a\r\nb\r\n"));
    EXPECT_EQ(Stored(), (Lines{"a", "b", ""}));
    EXPECT_EQ(doc.GetLineEndType(), LINE_END_CRLF);
    EXPECT_EQ(Saved(), "a\r\nb\r\n");
    ASSERT_EQ(frame.added.size(), 1u);
}

TEST_F(FileTest, AForcedLineEndKeepsOtherBytesInTheLines)
{
    ASSERT_TRUE(Open("a\r\nb", LINE_END_LF));
    EXPECT_EQ(Stored(), (Lines{"a\r", "b"}));
    EXPECT_EQ(Saved(), "a\r\nb");

    ASSERT_TRUE(Open("a\r\r\nb", LINE_END_CRLF));
    EXPECT_EQ(Stored(), Lines{"a\r\r\nb"});

    ASSERT_TRUE(Open("a\n\n\rb\n\r", LINE_END_LFCR));
    EXPECT_EQ(Stored(), (Lines{"a\n\n\rb", ""}));
    EXPECT_EQ(Saved(), "a\n\n\rb\n\r");
}

TEST_F(FileTest, TabsBecomeCellsAndComeBackAsTabs)
{
    settings.TabSize = 4;
    ASSERT_TRUE(Open("abcd\tx\r\n\ty"));
    EXPECT_EQ(Stored(), (Lines{"abcd\x07\x06\x06\x06"s "x", "\x07\x06\x06\x06"s "y"}));
    EXPECT_EQ(doc.GetMaxLineLength(), 9);
    EXPECT_EQ(Saved(), "abcd\tx\r\n\ty");

}

// Bytes 7 and 6 of a file's own are not tab cells: the file keeps them, and
// its TABs as single TAB bytes.
TEST_F(FileTest, BytesSixAndSevenOfAFileStayThemselves)
{
    settings.TabSize = 4;
    ASSERT_TRUE(Open("a\tb\x07\x06\x06\x06" "c"));
    EXPECT_TRUE(doc.KeepsTabsAsBytes());
    EXPECT_EQ(Stored(), Lines{"a\tb\x07\x06\x06\x06" "c"});
    EXPECT_EQ(Saved(), "a\tb\x07\x06\x06\x06" "c");
    // Typing a TAB beside the file's own 7 keeps both.
    doc.InsertChar(TextPos{4, 0}, '\t');
    EXPECT_EQ(Saved(), "a\tb\x07\t\x06\x06\x06" "c");
    TextPos caret;
    ASSERT_TRUE(doc.Undo(caret));
    EXPECT_EQ(Saved(), "a\tb\x07\x06\x06\x06" "c");

    // A 7 first seen after the first block: the lines before it give up their cells.
    std::string late(40000, 'x');
    late += "\ty\n";
    const std::string file = "\tlead\n" + late + "z\x07\n";
    ASSERT_TRUE(Open(file));
    EXPECT_EQ(doc.GetLine(0), "\tlead");
    EXPECT_EQ(Saved(), file);

    // Text with such bytes pasted into a document with tab cells: the
    // history of places in tab cells starts anew, the insertion is undone.
    ASSERT_TRUE(Open("\tx\n"));
    EXPECT_FALSE(doc.KeepsTabsAsBytes());
    doc.InsertChar(TextPos{4, 0}, 'y');
    TextPos at{4, 0}; // behind the tab cell: the TAB byte's place is 1
    doc.InsertText(at, "\x07\x06", true);
    EXPECT_TRUE(doc.KeepsTabsAsBytes());
    EXPECT_EQ(at, (TextPos{3, 0}));
    EXPECT_EQ(Saved(), "\t\x07\x06yx\n");
    ASSERT_TRUE(doc.Undo(caret));
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(Saved(), "\tyx\n");
}

TEST_F(FileTest, AFileWithNulBytesSaysItLooksBinary)
{
    ASSERT_TRUE(Open(std::string("a\0b\x07", 4)));
    EXPECT_TRUE(doc.LooksBinary());
    EXPECT_EQ(doc.StatusNote(), "This file looks binary");
    EXPECT_EQ(Saved(), std::string("a\0b\x07", 4));
    ASSERT_TRUE(Open("text"));
    EXPECT_EQ(doc.StatusNote(), "");
    fs.files[kPath] = std::string("\xFF\xFEt\0", 4); // UTF-16: its NULs are the text's
    ASSERT_TRUE(doc.OnOpenDocument(kPath));
    EXPECT_FALSE(doc.LooksBinary());
}

// Every byte value in every place of a line, with every line end and tab
// size: a file comes back as it was.
TEST_F(FileTest, EveryByteInEveryPlaceRoundTrips)
{
    for (const char* end : {"\n", "\r\n", "\r"}) {
        for (int tabSize = 1; tabSize <= 15; ++tabSize) {
            settings.TabSize = static_cast<std::uint8_t>(tabSize);
            for (int byte = 0; byte < 256; ++byte) {
                if (byte == '\n' || byte == '\r')
                    continue;
                for (int place = 0; place < 4; ++place) {
                    std::string line = "a\tbc";
                    line.insert(static_cast<std::size_t>(place), 1, static_cast<char>(byte));
                    const std::string file = line + end + "\t" + line;
                    ASSERT_TRUE(Open(file));
                    ASSERT_EQ(Saved(), file) << "byte " << byte << " at " << place << " tab size " << tabSize;
                }
            }
        }
    }
}

TEST_F(FileTest, TheCodePageIsDetectedOrTakenAsGiven)
{
    const std::string koi8 = "\xD0\xD2\xC9\xD7\xC5\xD4";
    fs.files[kPath] = koi8;
    ASSERT_TRUE(doc.OnOpenDocument(kPath, {}));
    EXPECT_EQ(doc.GetCodePage(), CP_KOI8);
    ASSERT_TRUE(doc.OnOpenDocument(kPath, {.codePage = CP_MAC}));
    EXPECT_EQ(doc.GetCodePage(), CP_MAC);
    EXPECT_EQ(settings.Encoding, 4); // an open leaves the setting alone

    // Each open of several detects for itself.
    fs.files["C:\\texts\\win.txt"] = "\xEF\xF0\xE8\xE2\xE5\xF2";
    CTextDoc other(settings, &frame, &fs, &prompts);
    ASSERT_TRUE(doc.OnOpenDocument(kPath, {}));
    ASSERT_TRUE(other.OnOpenDocument("C:\\texts\\win.txt", {}));
    EXPECT_EQ(doc.GetCodePage(), CP_KOI8);
    EXPECT_EQ(other.GetCodePage(), CP_WIN);

    ASSERT_TRUE(other.OnOpenDocument("C:\\texts\\missing.txt", {.codePage = CP_DOS}));
    EXPECT_EQ(other.GetCodePage(), CP_DOS);
    settings.Encoding = CP_ISO;
    other.OnNewDocument();
    EXPECT_EQ(other.GetCodePage(), CP_ISO);
    settings.Encoding = kEncodingAuto;
    other.OnNewDocument();
    EXPECT_EQ(other.GetCodePage(), CP_WIN);
}

TEST_F(FileTest, AMissingFileOpensAsANewEmptyDocument)
{
    EXPECT_TRUE(doc.OnOpenDocument("C:\\new.txt"));
    EXPECT_EQ(Stored(), Lines{""});
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(frame.added.size(), 1u);
}

TEST_F(FileTest, AFileThatCannotBeReadFailsTheOpenAndKeepsTheText)
{
    ASSERT_TRUE(Open("kept\r\ntext"));
    fs.unreadable.insert("C:\\locked.txt");
    EXPECT_FALSE(doc.OnOpenDocument("C:\\locked.txt"));
    EXPECT_EQ(prompts.messages, std::vector<std::string>{"Cannot open file C:\\locked.txt"});

    // A read that fails in the middle of the file.
    fs.files["C:\\big.txt"] = std::string(100000, 'x');
    fs.failReadAt = fs.reads + 2;
    frame.strings[5040] = "\xCD\xE5 \xEE\xF2\xEA\xF0\xFB\xF2\xFC %s";
    EXPECT_FALSE(doc.OnOpenDocument("C:\\big.txt"));
    EXPECT_EQ(prompts.messages.back(), "\xCD\xE5 \xEE\xF2\xEA\xF0\xFB\xF2\xFC C:\\big.txt");
    EXPECT_EQ(Stored(), (Lines{"kept", "text"}));
}

TEST_F(FileTest, AFileTooLargeToHoldIsRefused)
{
    fs.reportedSize = CTextDoc::kLargestFile + 1;
    EXPECT_FALSE(Open("small really"));
    EXPECT_EQ(prompts.messages, std::vector<std::string>{"The file C:\\texts\\notes.txt is too large to open"});
}

TEST_F(FileTest, OpeningShowsItsProgress)
{
    ASSERT_TRUE(Open(std::string(300000, 'x')));
    // In hundredths of the file, each shown once: a first block of 32 KB,
    // then blocks of 128 KB.
    EXPECT_EQ(frame.progress,
              (std::vector<std::string>{"Opening:", "range 0 100", "pos 10", "pos 54", "pos 98", "pos 100"}));
}

TEST_F(FileTest, SavingGoesThroughATemporaryFile)
{
    ASSERT_TRUE(Open("old"));
    doc.SetPathName(kPath);
    TextPos pos{3, 0};
    doc.InsertText(pos, " new", true);
    settings.CreateBak = 0;
    frame.progress.clear();
    EXPECT_EQ(Saved(), "old new");
    EXPECT_EQ(fs.Others({kPath}), std::set<std::string>{});
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(frame.saved, std::vector<std::string>{kPath});
    EXPECT_EQ(frame.progress, (std::vector<std::string>{"Saving:", "range 0 10", "pos 10"}));

    // Undo past the save point leaves the document modified.
    TextPos caret;
    while (doc.Undo(caret)) {
    }
    EXPECT_EQ(Stored(), Lines{"old"});
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(FileTest, BackupsFollowCreateBak)
{
    ASSERT_TRUE(Open("old"));
    TextPos pos{0, 0};
    doc.InsertText(pos, "new ", true);

    settings.CreateBak = 1;
    Saved();
    EXPECT_EQ(fs.files["C:\\texts\\notes.bak"], "old");

    settings.CreateBak = 2;
    fs.files.erase("C:\\texts\\notes.bak");
    Saved();
    EXPECT_EQ(fs.recycled, std::set<std::string>{"C:\\texts\\notes.bak"});
    EXPECT_FALSE(fs.files.count("C:\\texts\\notes.bak"));

    settings.CreateBak = 3;
    settings.CreatePath = "D:\\backups";
    EXPECT_FALSE(doc.OnSaveDocument(kPath)); // no such folder: the file stays as it was
    EXPECT_EQ(fs.files[kPath], "new old");
    EXPECT_EQ(fs.Others({kPath}), std::set<std::string>{});
    fs.directories.insert(settings.CreatePath);
    Saved();
    EXPECT_EQ(fs.files["D:\\backups\\notes.bak"], "new old");
    EXPECT_EQ(fs.files[kPath], "new old");

    // No old file, no backup.
    settings.CreateBak = 1;
    fs.files.clear();
    Saved();
    EXPECT_EQ(fs.Others({kPath}), std::set<std::string>{});
}

TEST_F(FileTest, EveryFailedWriteLeavesTheTargetIntact)
{
    ASSERT_TRUE(Open("line one\r\nline two\r\nline three"));
    TextPos pos{0, 0};
    doc.InsertText(pos, "changed ", true);
    settings.CreateBak = 1;
    const int writesPerSave = 5; // three lines, two line ends
    for (int failAt = 1; failAt <= writesPerSave; ++failAt) {
        for (bool shortWrite : {false, true}) {
            fs.files = {{kPath, "line one\r\nline two\r\nline three"}};
            fs.writes = 0;
            fs.failWriteAt = shortWrite ? 0 : failAt;
            fs.shortWriteAt = shortWrite ? failAt : 0;
            EXPECT_FALSE(doc.OnSaveDocument(kPath)) << failAt;
            EXPECT_EQ(fs.files, (std::map<std::string, std::string>{{kPath, "line one\r\nline two\r\nline three"}}))
                << "write " << failAt << (shortWrite ? " short" : "");
            EXPECT_TRUE(doc.IsModified());
        }
    }
}

TEST_F(FileTest, AFailedReplaceKeepsTheOldFileAndTheNewText)
{
    ASSERT_TRUE(Open("old"));
    TextPos pos{0, 0};
    doc.InsertText(pos, "new ", true);
    settings.CreateBak = 1;
    fs.failReplaceAt = fs.replaces + 2; // the backup is taken, the new file cannot take its place
    EXPECT_FALSE(doc.OnSaveDocument(kPath));
    EXPECT_EQ(fs.files[kPath], "old");
    EXPECT_EQ(fs.Others({kPath}), std::set<std::string>{}); // the backup went back, the document keeps the text
    EXPECT_TRUE(doc.IsModified());

    fs.failReplaceAt = fs.replaces + 1; // not even the backup can be taken
    EXPECT_FALSE(doc.OnSaveDocument(kPath));
    EXPECT_EQ(fs.files[kPath], "old");

    fs.failTempFile = true;
    EXPECT_FALSE(doc.OnSaveDocument(kPath));
    fs.failTempFile = false;
    fs.failCreate = true;
    EXPECT_FALSE(doc.OnSaveDocument(kPath));
    EXPECT_EQ(fs.files[kPath], "old");
    EXPECT_EQ(fs.Others({kPath}), std::set<std::string>{});
}

// One message for every failed save, whatever failed; none for a save the
// user cancelled at the password.
TEST_F(FileTest, EveryFailedSaveIsReported)
{
    ASSERT_TRUE(Open("old"));
    TextPos pos{0, 0};
    doc.InsertText(pos, "new ", true);
    settings.CreateBak = 1;
    const std::string message = "Cannot save file " + kPath;
    auto failedOnce = [&](auto&& breakIt, auto&& mend) {
        prompts.messages.clear();
        breakIt();
        EXPECT_FALSE(doc.OnSaveDocument(kPath));
        mend();
        EXPECT_EQ(prompts.messages, std::vector<std::string>{message});
        EXPECT_EQ(fs.files[kPath], "old");
        EXPECT_EQ(fs.Others({kPath}), std::set<std::string>{}) << "no temporary file or backup is left";
        EXPECT_TRUE(doc.IsModified());
    };
    failedOnce([&] { fs.failTempFile = true; }, [&] { fs.failTempFile = false; });
    failedOnce([&] { fs.failCreate = true; }, [&] { fs.failCreate = false; });
    failedOnce([&] { fs.failWriteAt = fs.writes + 1; }, [&] { fs.failWriteAt = 0; });
    failedOnce([&] { fs.failReplaceAt = fs.replaces + 1; }, [&] { fs.failReplaceAt = 0; });
    failedOnce([&] { fs.failReplaceAt = fs.replaces + 2; }, [&] { fs.failReplaceAt = 0; });

    frame.strings[5043] = "\xCD\xE5\xEB\xFC\xE7\xFF %s";
    doc.SetPathName(kPath);
    fs.failCreate = true;
    EXPECT_FALSE(doc.DoFileSave());
    EXPECT_EQ(prompts.messages.back(), "\xCD\xE5\xEB\xFC\xE7\xFF " + kPath);
    fs.failCreate = false;

    CTextDoc encrypted(settings, &frame, &fs, &prompts);
    encrypted.OnNewDocument();
    prompts.messages.clear();
    prompts.passwords.clear(); // Cancel
    EXPECT_FALSE(encrypted.SaveEncryptedAs("C:\\texts\\secret.crp"));
    EXPECT_TRUE(prompts.messages.empty());
}

// A .bak file is its own backup name; moving it aside deleted it, however
// the backup folder names the file's own folder.
TEST_F(FileTest, SavingABakFileKeepsIt)
{
    fs.links["D:\\link"] = "C:\\texts";
    const char* folders[] = {"C:\\texts", "C:/texts", "C:\\texts\\.", "C:\\texts\\\\", "D:\\link"};
    for (const std::string path : {"C:\\texts\\notes.bak", "C:\\texts\\NOTES.BAK"}) {
        for (std::uint8_t createBak = 0; createBak <= 3; ++createBak) {
            for (const std::string folder : folders) {
                SCOPED_TRACE(path + " CreateBak " + std::to_string(createBak) + " in " + folder);
                settings.CreateBak = createBak;
                settings.CreatePath = folder;
                fs.files = {{path, "old"}};
                ASSERT_TRUE(doc.OnOpenDocument(path, {}));
                TextPos pos{0, 0};
                doc.InsertText(pos, "new ", true);
                EXPECT_TRUE(doc.OnSaveDocument(path));
                EXPECT_EQ(fs.files[path], "new old");
                EXPECT_EQ(fs.Others({path}), std::set<std::string>{});
                EXPECT_FALSE(doc.IsModified());
            }
        }
    }
}

TEST_F(FileTest, ASaveThatFailsKeepsTheOlderBackup)
{
    for (std::uint8_t createBak : {BACKUP_BESIDE, BACKUP_TO_RECYCLE_BIN}) {
        settings.CreateBak = createBak;
        ASSERT_TRUE(Open("old"));
        fs.files["C:\\texts\\notes.bak"] = "older";
        TextPos pos{0, 0};
        doc.InsertText(pos, "new ", true);
        for (int failing = 1; failing <= 2; ++failing) { // the move aside, the move into place
            fs.failReplaceAt = fs.replaces + failing;
            EXPECT_FALSE(doc.OnSaveDocument(kPath));
            EXPECT_EQ(fs.files[kPath], "old");
            EXPECT_EQ(fs.files["C:\\texts\\notes.bak"], "older");
            EXPECT_EQ(fs.Others({kPath, "C:\\texts\\notes.bak"}), std::set<std::string>{});
        }
        fs.failReplaceAt = 0;
        EXPECT_TRUE(doc.OnSaveDocument(kPath));
        EXPECT_EQ(fs.files[kPath], "new old");
    }
}

TEST_F(FileTest, AChosenLineEndGoesWithItsSaveAlone)
{
    ASSERT_TRUE(Open("a\r\nb"));
    EXPECT_TRUE(doc.OnSaveDocument(kPath, LINE_END_LF));
    EXPECT_EQ(fs.files[kPath], "a\nb");
    EXPECT_EQ(doc.GetLineEndType(), LINE_END_LF);

    // Save As with "UNIX" for one document, then a plain save of another.
    fs.files["C:\\texts\\b.txt"] = "x\r\ny";
    CTextDoc other(settings, &frame, &fs, &prompts);
    ASSERT_TRUE(other.OnOpenDocument("C:\\texts\\b.txt", {}));
    other.SetPathName("C:\\texts\\b.txt");
    prompts.savePath = "C:\\texts\\a.txt";
    prompts.saveLineEnd = LINE_END_LF;
    ASSERT_TRUE(doc.DoSaveAs());
    EXPECT_EQ(fs.files["C:\\texts\\a.txt"], "a\nb");
    TextPos pos{0, 0};
    other.InsertText(pos, "+", true);
    ASSERT_TRUE(other.DoFileSave());
    EXPECT_EQ(fs.files["C:\\texts\\b.txt"], "+x\r\ny");

    // A failed save keeps the document's line end.
    fs.failCreate = true;
    EXPECT_FALSE(other.OnSaveDocument("C:\\texts\\b.txt", LINE_END_LFCR));
    EXPECT_EQ(other.GetLineEndType(), LINE_END_CRLF);
}

TEST_F(FileTest, SaveAsksForANameWhenTheFileIsReadOnlyOrUntitled)
{
    ASSERT_TRUE(Open("text"));
    doc.SetPathName(kPath);
    fs.readOnly.insert(kPath);
    prompts.savePath = "C:\\texts\\copy.txt";
    EXPECT_TRUE(doc.DoFileSave());
    EXPECT_EQ(prompts.questions, std::vector<std::string>{"save as " + kPath});
    EXPECT_EQ(fs.files["C:\\texts\\copy.txt"], "text");
    EXPECT_EQ(doc.GetPathName(), "C:\\texts\\copy.txt");
    EXPECT_EQ(frame.savedAs, std::vector<std::string>{"C:\\texts\\copy.txt"});

    CTextDoc untitled(settings, &frame, &fs, &prompts);
    untitled.OnNewDocument();
    untitled.SetTitle("untitled1");
    prompts.savePath.reset();
    EXPECT_FALSE(untitled.DoFileSave());
    EXPECT_EQ(prompts.questions.back(), "save as untitled1.txt");
}

TEST_F(FileTest, TheSaveChangesQuestionDecidesTheClose)
{
    ASSERT_TRUE(Open("text"));
    doc.SetPathName(kPath);
    EXPECT_TRUE(doc.SaveModified()); // unmodified: no question
    EXPECT_TRUE(prompts.questions.empty());

    TextPos pos{0, 0};
    doc.InsertText(pos, "x", true);
    prompts.saveChoice = SaveChoice::Cancel;
    EXPECT_FALSE(doc.SaveModified());
    prompts.saveChoice = SaveChoice::No;
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_EQ(fs.files[kPath], "text");
    prompts.saveChoice = SaveChoice::SaveAll;
    frame.saveAllResult = false;
    EXPECT_FALSE(doc.SaveModified());
    EXPECT_EQ(frame.saveAlls, 1);
    prompts.saveChoice = SaveChoice::Yes;
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_EQ(fs.files[kPath], "xtext");
    EXPECT_EQ(prompts.questions.front(), "save " + kPath);
}

TEST_F(FileTest, ClosingTellsTheFrame)
{
    ASSERT_TRUE(Open("text"));
    doc.SetPathName(kPath);
    doc.OnCloseDocument();
    EXPECT_EQ(frame.closing, std::vector<CTextDoc*>{&doc});
}

TEST_F(FileTest, TitlesAndPathsChooseSchemeAndTool)
{
    doc.OnNewDocument();
    doc.SetTitle("untitled1");
    EXPECT_EQ(doc.GetTitle(), "untitled1.txt");
    EXPECT_EQ(frame.schemeKeys, std::vector<std::string>{"txt "});
    doc.SetTitle("Main.CPP");
    EXPECT_EQ(frame.schemeKeys.back(), "cpp ");
    EXPECT_EQ(doc.GetSchemeIndex(), 2);
    settings.DefaultExt = "CPP";
    doc.SetTitle("untitled2");
    EXPECT_EQ(frame.schemeKeys.back(), "cpp ");

    doc.SetPathName("C:\\src\\RUN.BAT");
    EXPECT_EQ(doc.GetTitle(), "C:\\src\\RUN.BAT");
    EXPECT_TRUE(doc.CanExecute());
    EXPECT_EQ(frame.schemeKeys.back(), "bat ");
    const std::size_t asked = frame.schemeKeys.size();
    doc.SetPathName("C:\\other\\go.bat");
    EXPECT_EQ(frame.schemeKeys.size(), asked); // the same key keeps the scheme

    doc.SetPathName("C:\\src\\main.cpp");
    EXPECT_EQ(doc.GetSchemeIndex(), 2);
    EXPECT_FALSE(doc.CanExecute());
    settings.DefaultScheme = 1;
    doc.SetPathName("C:\\dir.d\\Makefile");
    EXPECT_EQ(doc.GetSchemeIndex(), 1);
    EXPECT_FALSE(doc.CanExecute());
}

TEST_F(FileTest, AnotherSchemeMakesTheStoredLineStatesStale)
{
    ASSERT_TRUE(Open("/* a\r\nb */\r\n"));
    doc.SetPathName("C:\\src\\main.cpp");
    doc.SetLineState(0, 1);
    doc.SetLineState(1, 0);
    doc.SetPathName("C:\\src\\notes.txt"); // another scheme
    EXPECT_EQ(doc.GetLineState(0), LINE_STATE_UNKNOWN);
    EXPECT_EQ(doc.GetLineState(1), LINE_STATE_UNKNOWN);

    doc.SetLineState(0, 1);
    doc.ViewSourceAs(doc.GetSchemeIndex()); // the same scheme keeps them
    EXPECT_EQ(doc.GetLineState(0), 1);
    doc.ViewSourceAs(3);
    EXPECT_EQ(doc.GetSchemeIndex(), 3);
    EXPECT_EQ(doc.GetLineState(0), LINE_STATE_UNKNOWN);
}

TEST_F(FileTest, ReloadReadsTheFileAgain)
{
    struct View : DocumentView {
        void OnUpdate(DocumentView*, int) override {}
        void ResetToTop() override { ++resets; }
        void ShowInCodePage(int) override {}
        int CodePage() const override { return CP_WIN; }
        int resets = 0;
    } view;
    doc.AddView(&view);
    ASSERT_TRUE(Open("first"));
    doc.SetPathName(kPath);
    TextPos pos{0, 0};
    doc.InsertText(pos, "typed ", true);
    fs.files[kPath] = "second";

    prompts.yes = false;
    EXPECT_FALSE(doc.Reload());
    EXPECT_EQ(prompts.questions,
              std::vector<std::string>{"You will lost all changes in current file.\n Are you sure you want to proceed?"});
    EXPECT_EQ(Stored(), Lines{"typed first"});

    prompts.yes = true;
    EXPECT_TRUE(doc.Reload());
    EXPECT_EQ(Stored(), Lines{"second"});
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(view.resets, 1);
    EXPECT_EQ(frame.added.size(), 1u); // registered once, not again by the reload

    // A file that cannot be read any more keeps the text on screen, and so
    // does one deleted meanwhile.
    fs.unreadable.insert(kPath);
    EXPECT_FALSE(doc.Reload());
    EXPECT_EQ(Stored(), Lines{"second"});
    fs.unreadable.clear();
    fs.files.erase(kPath);
    prompts.messages.clear();
    EXPECT_FALSE(doc.Reload());
    EXPECT_EQ(Stored(), Lines{"second"});
    EXPECT_EQ(prompts.messages, std::vector<std::string>{"Cannot open file " + kPath});
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(frame.added.size(), 1u);
}

TEST_F(FileTest, InsertFileAddsTheTextAsOneStep)
{
    ASSERT_TRUE(Open("[]"));
    fs.files["C:\\part.txt"] = "one\ntwo\n";
    TextPos pos{1, 0};
    ASSERT_TRUE(doc.InsertFile("C:\\part.txt", pos));
    EXPECT_EQ(Stored(), (Lines{"[one", "two", "]"}));
    EXPECT_EQ(pos, (TextPos{0, 2}));
    TextPos caret;
    doc.Undo(caret);
    EXPECT_EQ(Stored(), Lines{"[]"});
    EXPECT_FALSE(doc.InsertFile("C:\\missing.txt", pos));
    fs.files["C:\\part.txt"] = std::string(50000, 'x');
    fs.failReadAt = fs.reads + 2;
    EXPECT_FALSE(doc.InsertFile("C:\\part.txt", pos));
    EXPECT_EQ(Stored(), Lines{"[]"});
}

TEST_F(FileTest, EncryptedFilesNeedTheirPassword)
{
    ASSERT_TRUE(Open("secret line\r\nsecond"));
    prompts.passwords = {"\xEF\xE0\xF0\xEE\xEB\xFC"};
    ASSERT_TRUE(doc.SaveEncryptedAs("C:\\texts\\notes.crp"));
    EXPECT_EQ(doc.GetPathName(), "C:\\texts\\notes.crp");
    const std::string stored = fs.files["C:\\texts\\notes.crp"];
    EXPECT_EQ(stored.substr(0, 6), "NVLOCK");
    EXPECT_EQ(stored.size(), 6 + std::string("secret line\r\nsecond").size());
    EXPECT_EQ(stored.find("secret"), std::string::npos);

    CTextDoc reader(settings, &frame, &fs, &prompts);
    prompts.passwords = {std::nullopt};
    EXPECT_FALSE(reader.OnOpenDocument("C:\\texts\\notes.crp")); // Cancel
    EXPECT_TRUE(prompts.messages.empty());
    prompts.passwords = {"\xEF\xE0\xF0\xEE\xEB\xFC"};
    ASSERT_TRUE(reader.OnOpenDocument("C:\\texts\\notes.crp"));
    EXPECT_EQ(reader.GetText(TextPos{0, 0}, TextPos{6, 1}), "secret line\r\nsecond");
    EXPECT_TRUE(reader.IsEncrypted());

    // Saving again asks in save mode, showing the current password.
    prompts.passwords = {"\xEF\xE0\xF0\xEE\xEB\xFC"};
    ASSERT_TRUE(reader.OnSaveDocument("C:\\texts\\again.crp"));
    EXPECT_EQ(prompts.passwordModes.back(), PasswordMode::Save);
    EXPECT_EQ(prompts.passwordsShown.back(), "\xEF\xE0\xF0\xEE\xEB\xFC");
    EXPECT_EQ(fs.files["C:\\texts\\again.crp"], stored);

    CTextDoc wrong(settings, &frame, &fs, &prompts);
    prompts.passwords = {"wrong"};
    ASSERT_TRUE(wrong.OnOpenDocument("C:\\texts\\notes.crp"));
    EXPECT_NE(wrong.GetLine(0), "secret line");
}

TEST_F(FileTest, SaveEncryptedTakesTheEncodingChosen)
{
    ASSERT_TRUE(Open("\xCF\xF0\xE8")); // При in cp1251
    prompts.passwords = {"pw"};
    ASSERT_TRUE(doc.SaveEncryptedAs("C:\\texts\\koi.crp", std::nullopt, std::uint8_t{CP_KOI8}));
    EXPECT_EQ(doc.GetCodePage(), CP_KOI8);
    CTextDoc reader(settings, &frame, &fs, &prompts);
    prompts.passwords = {"pw"};
    ASSERT_TRUE(reader.OnOpenDocument("C:\\texts\\koi.crp", {.codePage = CP_KOI8}));
    EXPECT_EQ(reader.GetLine(0), "\xF0\xD2\xC9"); // При in KOI8-R

    prompts.passwords = {"pw"};
    ASSERT_TRUE(doc.SaveEncryptedAs("C:\\texts\\utf.crp", std::nullopt, kEncodingUtf8));
    EXPECT_EQ(doc.GetUnicodeForm(), UnicodeForm::Utf8);
    prompts.passwords = {"pw"};
    ASSERT_TRUE(reader.OnOpenDocument("C:\\texts\\utf.crp"));
    EXPECT_EQ(reader.GetUnicodeForm(), UnicodeForm::Utf8);
    EXPECT_EQ(reader.GetLine(0), "\xCF\xF0\xE8");

    // A save that fails keeps the text as it was.
    fs.failCreate = true;
    prompts.passwords = {"pw"};
    EXPECT_FALSE(doc.SaveEncryptedAs("C:\\texts\\dos.crp", std::nullopt, std::uint8_t{CP_DOS}));
    EXPECT_EQ(doc.GetUnicodeForm(), UnicodeForm::Utf8);
    EXPECT_EQ(doc.GetLine(0), "\xCF\xF0\xE8");
}

TEST_F(FileTest, AnEncryptedUtf16DocumentOpensWithItsPassword)
{
    const std::string wide = std::string("\xFF\xFE" "a\0b\0\r\0\n\0c\0", 12);
    ASSERT_TRUE(Open(wide));
    prompts.passwords = {"right"};
    ASSERT_TRUE(doc.SaveEncryptedAs("C:\\texts\\wide.crp"));

    CTextDoc reader(settings, &frame, &fs, &prompts);
    prompts.passwords = {"right"};
    ASSERT_TRUE(reader.OnOpenDocument("C:\\texts\\wide.crp"));
    EXPECT_FALSE(reader.SavesOnlyElsewhere());
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(reader.GetUnicodeForm(), UnicodeForm::Utf16Le);
    EXPECT_EQ(reader.GetLine(1), "c");
    prompts.passwords = {"right"};
    ASSERT_TRUE(reader.OnSaveDocument("C:\\texts\\wide.crp"));
    prompts.passwords = {"right"};
    ASSERT_TRUE(reader.OnOpenDocument("C:\\texts\\wide.crp"));
    EXPECT_EQ(reader.GetText(TextPos{0, 0}, TextPos{1, 1}), "ab\r\nc");
}

TEST_F(FileTest, AWrongPasswordIsSaidAndTheEncryptedFileIsNotOverwritten)
{
    std::string text;
    for (int i = 0; i < 40; ++i)
        text += "line " + std::to_string(i) + "\tof a secret text\r\n";
    ASSERT_TRUE(Open(text));
    prompts.passwords = {"right"};
    ASSERT_TRUE(doc.SaveEncryptedAs("C:\\texts\\notes.crp"));
    const std::string stored = fs.files["C:\\texts\\notes.crp"];

    CTextDoc right(settings, &frame, &fs, &prompts);
    prompts.passwords = {"right"};
    ASSERT_TRUE(right.OnOpenDocument("C:\\texts\\notes.crp"));
    EXPECT_FALSE(right.SavesOnlyElsewhere());
    EXPECT_TRUE(prompts.messages.empty());

    CTextDoc wrong(settings, &frame, &fs, &prompts);
    wrong.SetPathName("C:\\texts\\notes.crp");
    prompts.passwords = {"wrong"};
    ASSERT_TRUE(wrong.OnOpenDocument("C:\\texts\\notes.crp"));
    EXPECT_TRUE(wrong.SavesOnlyElsewhere());
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_NE(prompts.messages[0].find("C:\\texts\\notes.crp could not be deciphered"), std::string::npos);
    // Save asks where: cancelled, the file stays as it was.
    prompts.savePath.reset();
    EXPECT_FALSE(wrong.DoFileSave());
    EXPECT_EQ(fs.files["C:\\texts\\notes.crp"], stored);
    // Saved elsewhere on purpose: from then on a save is a save.
    prompts.savePath = "C:\\texts\\garbage.crp";
    prompts.passwords = {"wrong"};
    ASSERT_TRUE(wrong.DoFileSave());
    EXPECT_FALSE(wrong.SavesOnlyElsewhere());
    EXPECT_EQ(fs.files["C:\\texts\\notes.crp"], stored);
}

TEST(WrongPassword, TextIsTellableFromGarbage)
{
    EXPECT_FALSE(LooksWronglyDeciphered("\xCF\xF0\xE8\xE2\xE5\xF2,\tworld\r\n\f\x1A"));
    EXPECT_FALSE(LooksWronglyDeciphered(""));
    EXPECT_TRUE(LooksWronglyDeciphered("text\x07"));
    EXPECT_TRUE(LooksWronglyDeciphered(std::string("ab\x01\x02\x03", 5)));
    std::string noise;
    for (int i = 0; i < 4096; ++i)
        noise.push_back(static_cast<char>((i * 7919 + 13) % 251 + 5)); // no 6/7 is not enough
    noise.erase(std::remove_if(noise.begin(), noise.end(), [](char c) { return c == 6 || c == 7; }), noise.end());
    EXPECT_TRUE(LooksWronglyDeciphered(noise));
}

TEST_F(FileTest, MagicAloneIsAnEmptyEncryptedDocument)
{
    prompts.passwords = {"pw"};
    ASSERT_TRUE(Open("NVLOCK"));
    EXPECT_EQ(Stored(), Lines{""});
    EXPECT_TRUE(doc.IsEncrypted());
    ASSERT_TRUE(Open("NVLOC"));
    EXPECT_FALSE(doc.IsEncrypted());
    EXPECT_EQ(Stored(), Lines{"NVLOC"});
}

TEST_F(FileTest, AFailedEncryptedSaveKeepsPathAndMark)
{
    ASSERT_TRUE(Open("plain"));
    doc.SetPathName(kPath);
    prompts.passwords = {std::nullopt};
    EXPECT_FALSE(doc.SaveEncryptedAs("C:\\texts\\notes.crp"));
    EXPECT_EQ(doc.GetPathName(), kPath);
    EXPECT_FALSE(doc.IsEncrypted());
    EXPECT_EQ(SuggestEncryptedName("notes.txt"), "notes.crp");
    EXPECT_EQ(SuggestEncryptedName("C:\\my.dir\\notes"), "C:\\my.dir\\notes.crp");
    EXPECT_EQ(SuggestEncryptedName("a.b.txt"), "a.b.crp");
}

// Lines that run over the blocks a file is read in, and over the largest
// line the store packs, with tabs and line ends near those edges.
TEST_F(FileTest, LongLinesRoundTripAcrossReadBlocks)
{
    std::mt19937 rng(31);
    for (int round = 0; round < 12; ++round) {
        std::string bytes(40000 + rng() % 600000, 'x');
        for (char& b : bytes) {
            const unsigned pick = rng() % 20000;
            b = pick == 0 ? '\n' : pick < 40 ? '\t' : static_cast<char>('a' + rng() % 26);
        }
        settings.TabSize = static_cast<std::uint8_t>(1 + rng() % 15);
        ASSERT_TRUE(Open(bytes, LINE_END_LF));
        ASSERT_EQ(Saved(), bytes) << "round " << round;
    }
}

// Random bytes in every line-end style: what is loaded saves back the same.
TEST_F(FileTest, RandomFilesRoundTrip)
{
    std::mt19937 rng(99);
    for (int round = 0; round < 300; ++round) {
        std::string bytes(rng() % 3000, '\0');
        for (char& b : bytes) {
            const unsigned pick = rng() % 10;
            b = pick == 0 ? '\r' : pick == 1 ? '\n' : pick == 2 ? '\t' : static_cast<char>(rng() % 256);
        }
        settings.TabSize = static_cast<std::uint8_t>(1 + rng() % 15);
        ASSERT_TRUE(Open(bytes, static_cast<std::uint8_t>(rng() % 4)));
        ASSERT_EQ(Saved(), bytes) << "round " << round;
    }
}
