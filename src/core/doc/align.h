#pragma once

#include <cstddef>
#include <functional>
#include <string>

enum class AlignMode { Left = 0, Center = 1, Right = 2, Justify = 3 };

struct AlignOptions {
    AlignMode mode = AlignMode::Justify;
    int leftMargin = 2;
    int rightMargin = 72;
    bool keepParagraphs = true; // an empty line ends a paragraph
    int firstIndent = 6;        // blanks before a paragraph's first line
};

// Fills the words of `text` (lines joined by CR LF) into lines of
// rightMargin - leftMargin - 1 characters, placed and spaced as the mode
// says; paragraphs stay separated by one empty line. `placed` hears, after
// each output line, how many characters of the text lie behind.
std::string AlignParagraphs(const std::string& text, const AlignOptions& options,
                            const std::function<void(std::size_t placed)>& placed = {});
