#pragma once

#include <string>
#include <string_view>
#include <vector>

// The "Save file(s)" question's name for a document: a title of 31 or more
// characters is shown as "..." and its part from the last backslash on.
std::string SaveQuestionTitle(const std::string& title);

// The default extension a file type's pattern gives the file dialog: the
// text after "*." up to the first ";", at most 3 characters; none for "*.*".
std::string DefaultExtensionForPattern(std::string_view pattern);

// The paths an open dialog returns: one path, or (several files) the
// directory and then the names, each ended by a zero, two zeros at the end.
std::vector<std::string> SplitOpenFileNames(std::string_view buffer);

// The first start for a user writes General "Version" 310 and "ExecPath";
// a lower version is brought to 310. True on the first start.
class ProfileStore;
bool RecordStart(ProfileStore& store, const std::string& programDir);
