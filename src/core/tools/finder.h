#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class FileSystem;

// The finder (find.exe) that Find in files starts: it searches the files of
// a folder for a text and prints each hit as "<path>(<line>) : <text>", a
// line the output window can jump to.

struct FinderOptions {
    std::string folder;
    std::string masks; // "*.c;*.h", or separated by blanks
    std::string what;  // cp1251
    bool wholeWord = false;
    bool matchCase = false;
    bool subfolders = false;
};

// From the arguments after the program's name: -w, -c, -r (any order, before
// the values), then the folder, the masks and the text. Nothing for any
// other command line, or an empty text.
std::optional<FinderOptions> ParseFinderArguments(const std::vector<std::string>& arguments);
inline constexpr char kFinderUsage[] =
    "Usage: find [-w] [-c] [-r] \"folder\" \"masks\" \"text\"\r\n"
    "  -w  whole words only   -c  match case   -r  look in subfolders\r\n";

std::vector<std::string> SplitMasks(std::string_view masks);
// "*" any run of characters, "?" one; case is ignored. "*.*" matches every
// name, with a dot or without.
bool MatchesMask(std::string_view name, std::string_view mask);

struct FinderCounts {
    int hits = 0;
    int files = 0; // files with a hit
    bool folderMissing = false;
};

// Searches every file matching a mask, in each folder's name order, files
// before subfolders. Each file is read as the editor opens it (its code page
// or Unicode form detected, lines broken as the editor breaks them), so a
// Russian word is found in files of all five code pages and of UTF-8 and
// UTF-16; hits are printed as cp1251. Files whose first block holds NUL bytes
// (after decoding) are not text and are passed over; a file or folder that
// cannot be read (an encrypted file among them) is said so in a line of its
// own.
FinderCounts RunFinder(const FinderOptions& options, FileSystem& files,
                       const std::function<void(std::string_view)>& print);

// The last line: how many hits in how many files.
std::string FinderSummary(const FinderCounts& counts);
