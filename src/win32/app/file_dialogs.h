#pragma once

#include "core/doc/doc_strings.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// What file dialogs remember while the program runs: the file type chosen
// last (from 1; 0 is the first).
struct FileDialogMemory {
    int filterIndex = 0;
};

// The system's open or save dialog with two boxes below it: "Encoding:"
// (KOI8, DOS, MAC, ISO, WIN, Auto, UTF-8, UTF-16; Auto detects on opening
// and keeps the document's own on saving) and "CR_LF type:" (DOS, UNIX, MAC,
// Auto). Open dialogs take several existing files; save dialogs ask before
// replacing a file. Choosing another file type makes its pattern's extension
// the default one.
class CMyFileDialog {
public:
    CMyFileDialog(bool isOpen, int encoding, int lineEnd) : m_isOpen(isOpen), encoding(encoding), lineEnd(lineEnd) {}

    // The chosen paths (cp1251); none on Cancel. `filter` is a zero-separated
    // list of description and pattern pairs; `filterIndex` (from 1) is read
    // and written back.
    std::vector<std::string> Show(HWND owner, const std::string& filter, int& filterIndex, const wchar_t* title = nullptr,
                                  const std::string& initialName = {});

    // Where the boxes' item texts come from: the language file's strings,
    // or without it the program's own.
    StringLookup strings;
    bool m_isOpen;
    int encoding; // 0..4, 5 = Auto, 6 UTF-8, 7 UTF-16
    int lineEnd;  // 0 DOS, 1 UNIX, 2 MAC, 3 Auto

private:
    static UINT_PTR CALLBACK Hook(HWND extra, UINT message, WPARAM wParam, LPARAM lParam);
    std::wstring m_filter;
};

// One existing file to open, without the extra boxes (Insert File).
std::optional<std::string> ChooseFileToOpen(HWND owner, const wchar_t* title, const StringLookup& strings);
// One existing file of the types of `filter` ("Text|*.txt|All|*.*|").
std::optional<std::string> ChooseExistingFile(HWND owner, const std::string& filter, const wchar_t* defaultExtension);
// A file to write, `name` offered, asking before replacing one.
std::optional<std::string> ChooseFileToSave(HWND owner, const std::string& name, const StringLookup& strings);
