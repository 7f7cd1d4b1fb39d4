#pragma once

#include <string>

// The bytes a file's bytes come back as after a load and a save: the tab
// cell byte 7 turns into a TAB, the fill byte 6 is dropped.
inline std::string SavedForm(const std::string& bytes)
{
    std::string saved;
    for (char b : bytes) {
        if (b == 7)
            saved.push_back('\t');
        else if (b != 6)
            saved.push_back(b);
    }
    return saved;
}
