#pragma once

#include <cstdint>

// Interface strings of the document's messages, with their English texts.
struct DocString {
    std::uint32_t id;
    const char* text;
};
inline constexpr DocString kCannotOpenFile{5040, "Cannot open file %s"};
inline constexpr DocString kFileTooLarge{5041, "The file %s is too large to open"};
inline constexpr DocString kReloadQuestion{
    5042, "You will lost all changes in current file.\n Are you sure you want to proceed?"};
inline constexpr DocString kCannotSaveFile{5043, "Cannot save file %s"};
