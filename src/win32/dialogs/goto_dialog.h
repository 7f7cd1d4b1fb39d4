#pragma once

#include "win32/dialogs/program_dialog.h"

class CTextView;

// Go To a line number or a percent of the view's document. Whether it
// counts lines or percents is kept while the program runs.
class GoToDialog : public ProgramDialog {
public:
    GoToDialog(const DialogEnvironment& environment, CTextView& view);

private:
    void OnInit() override;
    bool OnCommand(int id, int code) override;
    void ToLines();
    void ToPercent();
    void Go();
    int Lines() const;

    CTextView& m_view;
    static inline bool s_byLine = true;
};
