// The active document handed on: the password dialog, Save encrypted,
// Export to Html and Send mail, in the real frame.
#include "dialog_script.h"
#include "tool_fixture.h"

#include "core/doc/pc1_cipher.h"
#include "win32/app/win_prompts.h"
#include "win32/res/resource.h"

#include <dlgs.h>

#include <algorithm>

namespace {

class FileCommands : public ToolFramework {
protected:
    void SetUp() override
    {
        ToolFramework::SetUp();
        frame.NewDocument();
        Pump();
    }

    CTextDoc& Doc() { return frame.ActiveChild()->Document(); }

    static std::wstring Text(HWND window, int id)
    {
        wchar_t text[512] = {};
        GetDlgItemTextW(window, id, text, 512);
        return text;
    }
    static std::wstring Caption(HWND window)
    {
        wchar_t text[256] = {};
        GetWindowTextW(window, text, 256);
        return text;
    }
    static bool IsMessageBox(HWND dialog) { return GetDlgItem(dialog, 0xFFFF) != nullptr; }

    // The system's save dialog: the name it offers, then `path` chosen.
    // The extra boxes of our own file dialog come as a dialog of their own.
    static void ChooseInSaveDialog(HWND dialog, const fs::path& path, std::wstring& offered)
    {
        HWND main = GetDlgItem(dialog, IDC_FILE_LINE_END) ? GetParent(dialog) : dialog;
        offered = Text(main, cmb13).empty() ? Text(main, edt1) : Text(main, cmb13);
        SetDlgItemTextW(main, cmb13, path.c_str());
        SetDlgItemTextW(main, edt1, path.c_str());
        PostMessageW(main, WM_COMMAND, IDOK, 0);
    }

    WinPrompts Boxes()
    {
        return WinPrompts(owner, settings, memory, [](std::uint32_t) { return std::optional<std::string>(); });
    }

    HWND owner = nullptr;
    FileDialogMemory memory;
};

TEST_F(FileCommands, OpeningAskAnewAndDifferentEntriesAreRetyped)
{
    owner = frame.Window();
    HWND passwordDialog = nullptr;
    std::wstring caption, first, second, mismatch, mismatchCaption;
    DialogScript script([&](HWND dialog) {
        if (IsMessageBox(dialog)) {
            mismatch = Text(dialog, 0xFFFF);
            mismatchCaption = Caption(dialog);
            SetDlgItemTextW(passwordDialog, IDC_RETYPE_PASSWORD, L"secret");
            PostMessageW(dialog, WM_COMMAND, IDOK, 0);
            DialogScript::Click(passwordDialog, IDOK);
            return;
        }
        passwordDialog = dialog;
        caption = Caption(dialog);
        first = Text(dialog, IDC_PASSWORD);
        second = Text(dialog, IDC_RETYPE_PASSWORD);
        SetDlgItemTextW(dialog, IDC_PASSWORD, L"secret");
        SetDlgItemTextW(dialog, IDC_RETYPE_PASSWORD, L"secrets");
        DialogScript::Click(dialog, IDOK);
    });
    WinPrompts boxes = Boxes();
    EXPECT_EQ(boxes.AskPassword(PasswordMode::Open, "ignored"), "secret");
    EXPECT_EQ(caption, L"This file seems to be encrypted by Noveda");
    EXPECT_EQ(first, L"");
    EXPECT_EQ(second, L"");
    EXPECT_EQ(mismatch, L"The passwords do not match. Please retype the password .");
    EXPECT_EQ(mismatchCaption, L"Error in password");
}

TEST_F(FileCommands, SavingOffersTheCurrentPasswordInTheSecondField)
{
    owner = frame.Window();
    std::wstring caption, second;
    {
        DialogScript script([&](HWND dialog) {
            caption = Caption(dialog);
            second = Text(dialog, IDC_RETYPE_PASSWORD);
            SetDlgItemTextW(dialog, IDC_PASSWORD, L"current");
            DialogScript::Click(dialog, IDOK);
        });
        EXPECT_EQ(Boxes().AskPassword(PasswordMode::Save, "current"), "current");
    }
    EXPECT_EQ(caption, L"Save encrypted");
    EXPECT_EQ(second, L"current");
    DialogScript cancel([](HWND dialog) { DialogScript::Click(dialog, IDCANCEL); });
    EXPECT_EQ(Boxes().AskPassword(PasswordMode::Save, "current"), std::nullopt);
}

TEST_F(FileCommands, SaveEncryptedSuggestsCrpAndTakesItsLineEndForThisSave)
{
    Doc().DeleteContents();
    Doc().AppendLine("first");
    Doc().AppendLine("second");
    const fs::path target = folder / L"notes.crp";
    std::wstring offered;
    prompts.passwords = {"pw"};
    {
        DialogScript script([&](HWND dialog) {
            if (HWND lineEnd = GetDlgItem(dialog, IDC_FILE_LINE_END)) {
                SendMessageW(lineEnd, CB_SETCURSEL, 1, 0); // UNIX
                SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_FILE_LINE_END, CBN_SELCHANGE),
                             reinterpret_cast<LPARAM>(lineEnd));
                ChooseInSaveDialog(dialog, target, offered);
            }
        });
        Command(ID_FILE_SAVE_ENCRYPTED);
    }
    EXPECT_EQ(offered.substr(offered.size() - 4), L".crp");
    const std::string stored = FileText(target);
    ASSERT_EQ(stored.substr(0, 6), "NVLOCK");
    CipherKey key = KeyFromPassword("pw");
    Pc1Cipher cipher;
    cipher.Reset();
    std::string text = stored.substr(6);
    cipher.DecipherInPlace(key, text.data(), text.size());
    EXPECT_EQ(text, "first\nsecond");
    EXPECT_EQ(Doc().GetPathName(), ToCp1251(target.wstring()));
    EXPECT_TRUE(Doc().IsEncrypted());
    EXPECT_TRUE(std::find(recent.Entries().begin(), recent.Entries().end(), Doc().GetPathName()) ==
                recent.Entries().end());
    EXPECT_EQ(Doc().GetLineEndType(), 1); // UNIX, as chosen

    // Cancelled at the password: the path and the mark stay.
    prompts.passwords = {std::nullopt};
    {
        DialogScript script([&](HWND dialog) {
            if (GetDlgItem(dialog, IDC_FILE_LINE_END))
                ChooseInSaveDialog(dialog, folder / L"other.crp", offered);
            else if (IsMessageBox(dialog)) // "replace it?"
                PostMessageW(dialog, WM_COMMAND, IDYES, 0);
        });
        Command(ID_FILE_SAVE_ENCRYPTED);
    }
    EXPECT_EQ(Doc().GetPathName(), ToCp1251(target.wstring()));
    EXPECT_FALSE(fs::exists(folder / L"other.crp"));
}

TEST_F(FileCommands, ExportOpensThePageAndAFailedExportSaysSo)
{
    Doc().DeleteContents();
    Doc().AppendLine("a<b & c");
    const fs::path page = folder / L"notes.htm";
    std::wstring offered;
    {
        DialogScript script([&](HWND dialog) { ChooseInSaveDialog(dialog, page, offered); });
        Command(ID_FILE_EXPORT_HTML);
    }
    EXPECT_EQ(offered.substr(offered.size() - 4), L".htm");
    EXPECT_NE(FileText(page).find("a</font><font color=7f7f7f>&lt;</font>"), std::string::npos);
    EXPECT_NE(FileText(page).find("&amp;"), std::string::npos);
    EXPECT_EQ(frame.ActiveChild()->Document().GetPathName(), ToCp1251(page.wstring()));
    EXPECT_TRUE(prompts.messages.empty());

    // A page that cannot be written: said, nothing opened.
    const fs::path locked = folder / L"locked.htm";
    std::ofstream(locked) << "old";
    HANDLE holder = CreateFileW(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    const std::size_t open = frame.Documents().Entries().size();
    {
        DialogScript script([&](HWND dialog) {
            if (IsMessageBox(dialog))
                PostMessageW(dialog, WM_COMMAND, IDYES, 0);
            else
                ChooseInSaveDialog(dialog, locked, offered);
        });
        Command(ID_FILE_EXPORT_HTML);
    }
    CloseHandle(holder);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0], "Cannot write the page " + ToCp1251(locked.wstring()));
    EXPECT_EQ(frame.Documents().Entries().size(), open);
    EXPECT_EQ(FileText(locked), "old");
}

// Exported onto a page that is open: the open page shows the new one, after
// a question when it held changes.
TEST_F(FileCommands, ExportOntoAnOpenPageReadsItAgain)
{
    const fs::path page = folder / L"open.htm";
    std::ofstream(page) << "old page";
    CTextDoc* shown = frame.OpenDocument(ToCp1251(page.wstring()), {});
    ASSERT_NE(shown, nullptr);
    TextPos at{0, 0};
    shown->InsertText(at, "edited ", true);
    frame.NewDocument();
    Pump();
    Doc().AppendLine("newtext");
    auto exportOntoPage = [&] {
        std::wstring offered;
        DialogScript script([&](HWND dialog) {
            if (IsMessageBox(dialog)) // "replace it?"
                PostMessageW(dialog, WM_COMMAND, IDYES, 0);
            else
                ChooseInSaveDialog(dialog, page, offered);
        });
        Command(ID_FILE_EXPORT_HTML);
    };
    prompts.yes = false; // keep the changes: nothing is written
    exportOntoPage();
    EXPECT_EQ(FileText(page), "old page");
    EXPECT_EQ(shown->GetLine(0), "edited old page");
    prompts.yes = true;
    exportOntoPage();
    EXPECT_NE(FileText(page).find("newtext"), std::string::npos);
    EXPECT_EQ(shown->GetLine(0).substr(0, 6), "<html>");
    EXPECT_FALSE(shown->IsModified());
    EXPECT_EQ(prompts.questions.size(), 2u);
}

TEST_F(FileCommands, MailWithoutMailSupportSaysSo)
{
    WriteProfileStringA("MAIL", "MAPI", "0");
    std::wstring message, caption;
    {
        DialogScript script([&](HWND dialog) {
            message = Text(dialog, 0xFFFF);
            caption = Caption(dialog);
            PostMessageW(dialog, WM_COMMAND, IDOK, 0);
        });
        Command(ID_FILE_SEND_MAIL);
    }
    WriteProfileStringA("MAIL", "MAPI", nullptr);
    EXPECT_EQ(message, L"MAPI initialization error.");
    EXPECT_EQ(caption, L"");
}

} // namespace

namespace {

// The fake MAPI32.DLL beside the tests records what the program hands it.
TEST_F(FileCommands, MailHandsTheTextInWinToTheMailProgram)
{
    const fs::path record = folder / L"mail.txt";
    SetEnvironmentVariableW(L"NOVEDA_MAIL_RECORD", record.c_str());
    WriteProfileStringA("MAIL", "MAPI", "1");
    Doc().DeleteContents();
    Doc().AppendLine("\xCF\xF0\xE8\xE2\xE5\xF2"); // "Привет"
    Doc().AppendLine("end");
    Command(ID_FILE_SEND_MAIL);
    EXPECT_EQ(FileText(record), "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82\r\nend|flags=11");
    EXPECT_TRUE(IsWindowEnabled(frame.Window()));

    // The user's cancel is an answer; another failure is said.
    std::wstring message;
    DialogScript script([&](HWND dialog) {
        message = Text(dialog, 0xFFFF);
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    });
    SetEnvironmentVariableW(L"NOVEDA_MAIL_ANSWER", L"1");
    Command(ID_FILE_SEND_MAIL);
    EXPECT_EQ(message, L"");
    SetEnvironmentVariableW(L"NOVEDA_MAIL_ANSWER", L"2");
    Command(ID_FILE_SEND_MAIL);
    EXPECT_EQ(message, L"MAPI initialization error.");
    SetEnvironmentVariableW(L"NOVEDA_MAIL_ANSWER", nullptr);
    SetEnvironmentVariableW(L"NOVEDA_MAIL_RECORD", nullptr);
    WriteProfileStringA("MAIL", "MAPI", nullptr);
}

} // namespace

namespace {

// Typed twice into the real dialog: saved encrypted, opened again.
TEST_F(FileCommands, AnEncryptedFileMakesTheRoundTripThroughThePasswordDialog)
{
    owner = frame.Window();
    WinPrompts boxes = Boxes();
    auto typeTwice = [](HWND dialog) {
        SetDlgItemTextW(dialog, IDC_PASSWORD, L"\x043A\x043B\x044E\x0447"); // "ключ"
        SetDlgItemTextW(dialog, IDC_RETYPE_PASSWORD, L"\x043A\x043B\x044E\x0447");
        DialogScript::Click(dialog, IDOK);
    };
    const std::string path = ToCp1251((folder / L"round.crp").wstring());
    {
        CTextDoc writer(settings, nullptr, &files, &boxes);
        writer.OnNewDocument();
        writer.DeleteContents();
        writer.AppendLine("secret text");
        DialogScript script(typeTwice);
        ASSERT_TRUE(writer.SaveEncryptedAs(path));
    }
    EXPECT_EQ(FileText(FromCp1251(path)).substr(0, 6), "NVLOCK");
    EXPECT_EQ(FileText(FromCp1251(path)).find("secret"), std::string::npos);
    CTextDoc reader(settings, nullptr, &files, &boxes);
    DialogScript script(typeTwice);
    ASSERT_TRUE(reader.OnOpenDocument(path));
    EXPECT_EQ(reader.GetLine(0), "secret text");
    EXPECT_FALSE(reader.SavesOnlyElsewhere());
}

} // namespace
