#pragma once

#include "win32/dialogs/program_dialog.h"

class CTextView;

// The bookmarked lines of the view's document: go to one, or delete them
// one by one. The line of the entry chosen shows in a box in WIN.
class BookmarkListDialog : public ProgramDialog {
public:
    // `textCharSet`: the character set of the text font, for the line box.
    BookmarkListDialog(const DialogEnvironment& environment, CTextView& view, std::uint8_t textCharSet);
    ~BookmarkListDialog() override;

private:
    void OnInit() override;
    bool OnCommand(int id, int code) override;
    int SelectedLine() const;
    void Select(int index);
    void GoTo();
    void Delete();

    CTextView& m_view;
    std::uint8_t m_textCharSet;
    HFONT m_lineFont = nullptr;
};
