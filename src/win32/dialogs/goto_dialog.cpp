#include "win32/dialogs/goto_dialog.h"

#include "core/app/small_dialogs.h"
#include "core/doc/text_doc.h"
#include "core/text/placeholder.h"
#include "core/view/text_view.h"
#include "win32/res/resource.h"

#include <string>

namespace {

constexpr std::uint32_t kOutOfRangeString = 5031;

} // namespace

GoToDialog::GoToDialog(const DialogEnvironment& environment, CTextView& view)
    : ProgramDialog(IDD_GOTO, environment), m_view(view)
{
}

int GoToDialog::Lines() const
{
    return m_view.GetDocument().GetLineCount();
}

void GoToDialog::OnInit()
{
    const bool byLine = s_byLine;
    s_byLine = true;
    CheckRadioButton(m_dialog, IDC_GOTO_BY_LINE, IDC_GOTO_BY_PERCENT, IDC_GOTO_BY_LINE);
    const GoToRange range = GoToRangeOf(true, Lines());
    SetSpin(IDC_GOTO_SPIN, range.low, range.high, m_view.Caret().line + 1);
    if (!byLine)
        ToPercent();
}

bool GoToDialog::OnCommand(int id, int)
{
    switch (id) {
    case IDC_GOTO_BY_LINE:
        if (!s_byLine)
            ToLines();
        return true;
    case IDC_GOTO_BY_PERCENT:
        if (s_byLine)
            ToPercent();
        return true;
    case IDC_GOTO_GO:
    case IDOK:
        Go();
        return true;
    }
    return false;
}

void GoToDialog::ToLines()
{
    const GoToRange range = GoToRangeOf(true, Lines());
    SetSpin(IDC_GOTO_SPIN, range.low, range.high, LineOfPercent(SpinValue(IDC_GOTO_SPIN), Lines()));
    CheckRadioButton(m_dialog, IDC_GOTO_BY_LINE, IDC_GOTO_BY_PERCENT, IDC_GOTO_BY_LINE);
    s_byLine = true;
}

void GoToDialog::ToPercent()
{
    const GoToRange range = GoToRangeOf(false, Lines());
    SetSpin(IDC_GOTO_SPIN, range.low, range.high, PercentOfLine(SpinValue(IDC_GOTO_SPIN), Lines()));
    CheckRadioButton(m_dialog, IDC_GOTO_BY_LINE, IDC_GOTO_BY_PERCENT, IDC_GOTO_BY_PERCENT);
    s_byLine = false;
}

void GoToDialog::Go()
{
    const std::optional<int> line = GoToTarget(ItemText(IDC_GOTO_VALUE), s_byLine, Lines());
    if (!line) {
        const GoToRange range = GoToRangeOf(s_byLine, Lines());
        std::string text = String(kOutOfRangeString, "Please enter value between %d and %d");
        text = FillPlaceholder(FillPlaceholder(text, std::to_string(range.low), "%d"), std::to_string(range.high), "%d");
        ShowError(text);
        return;
    }
    m_view.MoveCaretTo(*line, 0);
    End(IDOK);
}
