#pragma once

#include "core/doc/doc_strings.h"
#include "core/platform/log_font.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

using InterfaceStrings = StringLookup;

// What every dialog of the program takes from its surroundings.
struct DialogEnvironment {
    HWND owner = nullptr;
    InterfaceStrings strings;
    LogFont font; // the interface font
};

// A dialog of the program, modal (Run) or modeless (Open). As it opens, its caption becomes the
// interface string of its template id, every control numbered below 10 or
// from 1000 to 9999 takes the interface string of its own id (where the
// language has them), and every control the interface font. Control texts are cp1251.
class ProgramDialog {
public:
    ProgramDialog(int templateId, const DialogEnvironment& environment);
    virtual ~ProgramDialog();
    ProgramDialog(const ProgramDialog&) = delete;
    ProgramDialog& operator=(const ProgramDialog&) = delete;

    // The id of the button that closed it; -1 when it could not be shown.
    INT_PTR Run();
    // A modeless dialog, shown; it lives until End, which tells `onEnd`.
    // A template with WS_CHILD makes a part of `parent` (the owner when none).
    HWND Open(HWND parent = nullptr);
    HWND Window() const { return m_dialog; }
    std::function<void()> onEnd;

protected:
    virtual void OnInit() {}
    // False when the control is none of this dialog's.
    virtual bool OnCommand(int id, int code) = 0;
    // Told whichever way the dialog closes.
    virtual void OnClose() {}
    // Any other message; true when handled, with the dialog procedure's result.
    virtual bool OnMessage(UINT, WPARAM, LPARAM, INT_PTR&) { return false; }
    void End(int result);

    HWND Item(int id) const { return GetDlgItem(m_dialog, id); }
    std::string ItemText(int id) const;
    void SetItemText(int id, const std::string& cp1251);
    bool IsChecked(int id) const { return IsDlgButtonChecked(m_dialog, id) == BST_CHECKED; }
    void Check(int id, bool on) { CheckDlgButton(m_dialog, id, on ? BST_CHECKED : BST_UNCHECKED); }
    void Enable(int id, bool on) { EnableWindow(Item(id), on); }
    // Radio buttons first..last, numbered from 0.
    void CheckRadio(int first, int last, int index) { CheckRadioButton(m_dialog, first, last, first + index); }
    int CheckedRadio(int first, int last) const;
    // Spin buttons in 32 bits: documents have more lines than 16 bits hold.
    void SetSpin(int spin, int low, int high, int value);
    int SpinValue(int spin) const;
    // The interface string `id`, else `fallback`.
    std::string String(std::uint32_t id, const char* fallback) const;
    void ShowError(const std::string& text) const;

    HWND m_dialog = nullptr;
    const DialogEnvironment m_environment;

private:
    static INT_PTR CALLBACK Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    void ApplyInterface();

    int m_templateId;
    HFONT m_font = nullptr;
    bool m_modeless = false;
};

// The part of a dialog below a mark control, folded away until ">>" shows it
// (the button then reads "<<" and folds it again). Folded controls are
// hidden and disabled; `onUnfold` lets the dialog disable some again.
class FoldedPart {
public:
    void Attach(HWND dialog, int markId, int buttonId);
    void Toggle();
    bool IsFolded() const { return m_folded; }
    std::function<void()> onUnfold;

private:
    void Show(bool unfolded);

    HWND m_dialog = nullptr;
    int m_markId = 0;
    int m_buttonId = 0;
    int m_fullHeight = 0;
    int m_markTop = 0;
    bool m_folded = false;
};
