#pragma once

#include <string>

class FileSystem;
class ProfileStore;

// A fresh profile starts with what the program folder ships: the Russian
// keyboard layout and transliteration table, the highlight schemes of the
// "highlight" folder with the extensions they serve, those languages'
// Open-box types and the HTML clip library. Only files that are really
// there are registered, so a stripped-down copy starts clean.
void ApplyShippedSetup(ProfileStore& store, FileSystem& files, const std::string& programDir);
