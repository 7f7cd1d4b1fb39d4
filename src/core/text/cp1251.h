#pragma once

#include <string>
#include <string_view>

// Letter case in cp1251: Latin A-Z, Cyrillic А-Я and Ё.
char ToLowerCp1251(char ch);
char ToUpperCp1251(char ch);
std::string ToLowerCp1251(std::string_view text);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
