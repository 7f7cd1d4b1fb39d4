#pragma once

#include "core/doc/doc_strings.h"
#include "core/settings/app_settings.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// The "Save file(s)" question's name for a document: a title of 31 or more
// characters is shown as "..." and its part from the last backslash on.
std::string SaveQuestionTitle(const std::string& title);

// The default extension a file type's pattern gives the file dialog: the
// text after "*." up to the first ";", at most 3 characters; none for "*.*".
std::string DefaultExtensionForPattern(std::string_view pattern);

// The file dialogs' filter: pairs of a description and its patterns, each
// part ended by a zero, two zeros at the end. The text files come first and
// all files second, so a new user sees files whatever else is listed; then
// the user's own types, then encrypted files.
std::string BuildOpenFilter(const std::vector<FileType>& types, const StringLookup& strings);
// A filter of the program's own types, in the order given.
std::string BuildTypeFilter(std::initializer_list<DocString> types, const StringLookup& strings);

// The paths an open dialog returns: one path, or (several files) the
// directory and then the names, each ended by a zero, two zeros at the end.
std::vector<std::string> SplitOpenFileNames(std::string_view buffer);

// The first start for a user writes General "Version" 310 and "ExecPath";
// a lower version is brought to 310. True on the first start.
class ProfileStore;
bool RecordStart(ProfileStore& store, const std::string& programDir);
