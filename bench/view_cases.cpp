// Benchmark cases of the editing view: painting a window and counting rows.
#include "bench_case.h"

#include "core/doc/text_doc.h"
#include "core/settings/app_settings.h"
#include "core/tools/clip_library.h"
#include "core/view/highlight_scheme.h"
#include "core/view/line_states.h"
#include "core/view/replace_run.h"
#include "core/view/text_view.h"
#include "posix/posix_file_system.h"

#include <stdexcept>

namespace {

constexpr int kPaintsPerPlace = 200;

class DiscardingSurface : public Surface {
public:
    void FillRect(const Rect&, std::uint32_t) override { ++calls; }
    void DrawCells(int, int, std::string_view text, std::uint32_t, std::uint32_t) override { calls += text.size(); }
    void DrawIcon(int, int, const PanelIcons&, PanelIcon) override { ++calls; }
    std::size_t calls = 0;
};

// A window of 100 columns and 60 rows of 8 x 16 pixels that draws nothing.
class NullHost : public ViewHost {
public:
    int ClientWidth() const override { return 5 + 100 * 8; }
    int ClientHeight() const override { return 60 * 16 - 1; }
    int ScreenHeight() const override { return 1080; }
    FontMetrics SetFont(const LogFont&) override { return {16, 0, 8}; }
    int TextWidth(std::string_view text) const override { return static_cast<int>(text.size()) * 8; }
    void CreateCaret(int, int) override {}
    void ShowCaret() override {}
    void HideCaret() override {}
    void SetCaretPos(Point) override {}
    std::unique_ptr<Surface> ClientSurface() override { return std::make_unique<DiscardingSurface>(); }
    void SetScrollInfo(ScrollBarKind, const ScrollBarState&) override {}
    void ShowScrollBar(ScrollBarKind, bool) override {}
    void SetTimer(int, int) override {}
    void KillTimer(int) override {}
    void SetCapture() override {}
    void ReleaseCapture() override {}
    void ShowContextMenu(Point, bool) override {}
    void OpenLink(const std::string&) override {}
    void ShowWaitCursor(bool) override {}
    void Beep() override {}
    std::optional<std::string> GetClipboardText(int) override { return std::nullopt; }
    bool ClipboardHasText() override { return false; }
    bool SetClipboardText(const std::string&, int) override { return false; }
    std::optional<std::string> AskFileToInsert() override { return std::nullopt; }
    std::tm LocalTime() override { return {}; }
    void ShowCompletionList(const CompletionList&) override {}
    void CloseCompletionList() override {}
};

struct Subject {
    PosixFileSystem fs;
    std::unique_ptr<CTextDoc> doc;
    AppSettings settings;
    std::vector<HighlightScheme> schemes{HighlightScheme::PlainText()};
    ClipLibraries clips;
    ViewShared shared{settings, schemes, clips};
    NullHost host;
    std::unique_ptr<CTextView> view;
};

std::unique_ptr<Subject> OpenInView(const std::string& file)
{
    auto s = std::make_unique<Subject>();
    s->doc = OpenedDocument(file, s->fs);
    s->settings.WrapOn = 1;
    s->settings.WrapMode = 2;
    s->view = std::make_unique<CTextView>(*s->doc, s->shared, s->host);
    s->view->OnInitialUpdate();
    s->view->OnSize();
    return s;
}

// One window painted at the top, in the middle and at the end, with every
// line's colouring state already known.
BenchResult Paint(const std::string& file, const std::vector<std::string>&)
{
    auto s = OpenInView(file);
    StateBeforeLine(*s->doc, s->schemes[0], s->doc->GetLineCount() - 1);
    BenchResult r;
    r.bytes = FileSize(file);
    DiscardingSurface surface;
    const int lines = s->doc->GetLineCount();
    std::uint64_t total = 0;
    for (const int line : {0, lines / 2, lines - 1}) {
        s->view->MoveCaretTo(line, 0);
        const std::uint64_t start = NowNanoseconds();
        for (int i = 0; i < kPaintsPerPlace; ++i)
            s->view->OnDraw(surface);
        total += NowNanoseconds() - start;
    }
    if (surface.calls == 0)
        r.failure = "nothing was painted";
    r.seconds = static_cast<double>(total) / 1e9;
    r.perOpUs = static_cast<double>(total) / 1e3 / (3 * kPaintsPerPlace);
    return r;
}

// Typing in the middle of the document, each key refreshed and repainted as
// the view does it.
BenchResult Keystroke(const std::string& file, const std::vector<std::string>&)
{
    constexpr int kKeys = 10000;
    auto s = OpenInView(file);
    const int middle = s->doc->GetLineCount() / 2;
    s->view->OnSetFocus();
    s->view->MoveCaretTo(middle, static_cast<int>(s->doc->GetLine(middle).size() / 2));
    BenchResult r;
    r.bytes = FileSize(file);
    const std::uint64_t start = NowNanoseconds();
    for (int i = 0; i < kKeys; ++i)
        s->view->OnChar(i % 7 == 6 ? ' ' : 'a' + i % 26, false, false);
    const std::uint64_t elapsed = NowNanoseconds() - start;
    r.seconds = static_cast<double>(elapsed) / 1e9;
    r.perOpUs = static_cast<double>(elapsed) / 1e3 / kKeys;
    if (s->doc->GetLine(s->view->Caret().line).size() < kKeys / 100)
        r.failure = "the typed text is not there";
    return r;
}

// Replace All in one window, as the Replace dialog runs it; matched= counts
// the replacements. Fails unless one undo step gives the file back.
BenchResult ReplaceAll(const std::string& file, const std::vector<std::string>& args)
{
    if (args.size() != 2)
        throw std::runtime_error("give the text to find and its replacement (cp1251 bytes) after the file");
    struct OneWindow : ReplaceWindows {
        CTextView* view = nullptr;
        CTextView& ActiveView() override { return *view; }
        bool ActivateNext() override { return false; }
    };
    auto s = OpenInView(file);
    OneWindow windows;
    windows.view = s->view.get();
    ReplaceRun run;
    run.stepMode = false;
    BenchResult r;
    r.bytes = FileSize(file);
    const std::uint64_t start = NowNanoseconds();
    while (!run.Step(windows, args[0], args[1])) {
    }
    r.seconds = SecondsSince(start);
    r.extra = "matched=" + std::to_string(run.replacedCount);
    TextPos caret;
    const std::uint64_t undoStart = NowNanoseconds();
    if (!s->doc->Undo(caret) || s->doc->CanUndo())
        r.failure = "Replace All is not one undo step";
    r.extra += " undo_seconds=" + std::to_string(SecondsSince(undoStart));
    std::string text;
    for (int i = 0; i < s->doc->GetLineCount(); ++i)
        text.append(s->doc->GetLine(i)).append(i + 1 < s->doc->GetLineCount() ? "\r\n" : "");
    if (r.failure.empty() && text != ReadWholeFile(file))
        r.failure = "the undo did not give the file back";
    return r;
}

// The rows of every line at the window's wrap width.
BenchResult Wrap(const std::string& file, const std::vector<std::string>&)
{
    auto s = OpenInView(file);
    BenchResult r;
    r.bytes = FileSize(file);
    const std::uint64_t start = NowNanoseconds();
    std::uint64_t rows = 0;
    for (int line = 0; line < s->doc->GetLineCount(); ++line)
        rows += static_cast<std::uint64_t>(s->view->Rows().RowsOfLine(line));
    r.seconds = SecondsSince(start);
    r.extra = "rows=" + std::to_string(rows);
    return r;
}

} // namespace

std::vector<BenchCase> ViewCases()
{
    return {
        {"paint", "FILE: paint a 100 x 60 window with word wrap at the top, middle and end; per_op_us per window", Paint},
        {"keystroke", "FILE: type 10 000 characters in the middle, each refreshed and repainted; per_op_us per key",
         Keystroke},
        {"replace", "FILE FIND REPLACEMENT: Replace All in one window; matched= the count, then one undo",
         ReplaceAll},
        {"wrap", "FILE: count the rows of every line at a 100-column wrap; rows= the total", Wrap},
    };
}
