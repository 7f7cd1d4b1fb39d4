#pragma once

#include "core/doc/doc_strings.h"

#include <string>
#include <vector>

// The rules of the Find in files dialog and the finder's command line.

// The folder browser's caption and the text above its tree.
inline constexpr DocString kSelectFolder{5017, "Select folder"};
inline constexpr DocString kSelectFolderToScan{10012, "Select folder to scan"};

// What Find in files searches for, in cp1251, as the dialog leaves it.
struct FinderSearch {
    std::string folder;
    std::string masks;
    std::string what;
    bool wholeWord = false;
    bool matchCase = false;
    bool subfolders = true;
};

// "<programDir>find.exe"[ -w][ -c][ -r] "<folder>" "<masks>" "<what>": the
// finder's path is quoted (it may hold blanks), and each value reaches the
// finder as it was typed, a trailing backslash or a quote included.
std::string FinderCommandLine(const std::string& programDir, const FinderSearch& search);

struct FindInFilesStart {
    std::string folder;
    std::string mask;
};
// The active document's folder (with its backslash) and "*" + its
// extension; for no document or an untitled one the current folder and
// "*." + `defaultExt`. A saved mask that holds that mask (as "*.c;*.h"
// holds "*.c") is offered instead: the last such in the list.
FindInFilesStart FindInFilesStartOf(const std::string& documentPath, const std::string& currentFolder,
                                    const std::string& defaultExt, const std::vector<std::string>& savedMasks);

// Where the folder browser opens: the folder box's text without its
// trailing blanks and one trailing backslash (a drive's root keeps it).
std::string BrowseStartOf(std::string folder);

// A mask or folder the user typed goes to the front of its list, which
// keeps ten. An empty one is not kept: the stored list ends at its first
// empty entry, and the older entries would be lost behind it.
void RememberTyped(std::vector<std::string>& list, const std::string& text);
