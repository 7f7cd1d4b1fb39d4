#pragma once

#include "core/text/code_pages.h"
#include "core/text/unicode_text.h"

#include <cstdint>
#include <optional>

// The Encoding setting's "Auto": detect the code page of the next file.
inline constexpr std::uint8_t kEncodingAuto = 5;
// The file dialog's line-end box at "Auto": detect the line end.
inline constexpr std::uint8_t kLineEndAuto = 3;

// What one open asks for, travelling with that open alone: a code page and a
// line end, or detection of either (nothing). A Unicode form reads the file
// as that; without one, a file opened with detection is read as Unicode
// when it is.
struct OpenOptions {
    std::optional<CodePage> codePage = std::nullopt;
    std::optional<std::uint8_t> lineEnd = std::nullopt;
    std::optional<UnicodeForm> unicode = std::nullopt;
};

// An open in the code page or the Unicode form an Encoding value names, or
// with detection for "Auto" (or any value out of range). UTF-16 reads little
// endian unless the file's byte order mark says otherwise.
inline OpenOptions OpenInEncoding(std::uint8_t encoding)
{
    OpenOptions options;
    if (encoding < kCodePageCount)
        options.codePage = static_cast<CodePage>(encoding);
    else if (encoding == kEncodingUtf8)
        options.unicode = UnicodeForm::Utf8;
    else if (encoding == kEncodingUtf16)
        options.unicode = UnicodeForm::Utf16Le;
    return options;
}

// What an open takes when the user chose nothing (a recent or dropped file,
// the command line, a page just exported): the code page and line end are
// detected, unless DisableAuto asks for the Encoding setting's code page.
inline OpenOptions OpenWithoutChoice(int disableAuto, std::uint8_t encoding)
{
    return disableAuto ? OpenInEncoding(encoding) : OpenOptions{};
}

// A file dialog's line-end box: a line end, or nothing for "Auto".
inline std::optional<std::uint8_t> ChosenLineEnd(int box)
{
    if (box >= 0 && box < kLineEndAuto)
        return static_cast<std::uint8_t>(box);
    return std::nullopt;
}

// The choice of an open dialog's two boxes.
inline OpenOptions OpenWithChoice(int encoding, int lineEnd)
{
    OpenOptions options = OpenInEncoding(static_cast<std::uint8_t>(encoding));
    options.lineEnd = ChosenLineEnd(lineEnd);
    return options;
}
