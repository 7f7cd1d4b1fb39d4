#pragma once

#include <string>
#include <string_view>

// Letters of cp1251 as Windows classifies them in a Cyrillic locale: Latin
// A-Z, the Russian alphabet with Ё, and the other Cyrillic letters of the set
// (Ђ Ѓ Є Ѕ І Ї Ј Љ Њ Ћ Ќ Ў Џ Ґ and their small forms). Fixed tables, so the
// result never depends on the machine's locale.
char ToLowerCp1251(char ch);
char ToUpperCp1251(char ch);
bool IsLetterCp1251(char ch);
// A letter, a digit 0-9 or '_': what a whole-word search must not touch.
bool IsWordCharCp1251(char ch);

std::string ToLowerCp1251(std::string_view text);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
