#pragma once

#include "core/settings/app_settings.h"

#include <string>

class CTextDoc;
class FileSystem;
class HighlightScheme;

// The name the export suggests: the extension replaced by ".htm", with an
// underscore before it when the source is an ".htm..." page itself, so that
// the export never replaces its source.
std::string SuggestHtmlName(const std::string& pathOrTitle);

// The document as an HTML page, coloured as the scheme colours it, hot links
// as anchors; lines end with LF. A document of a Unicode file gives a UTF-8
// page that declares its charset.
std::string ExportHtml(const CTextDoc& doc, const HighlightScheme& scheme, const ColorTable& colors);

// Writes the page as a Windows text-mode file would (every LF as CR LF).
bool ExportHtmlToFile(const CTextDoc& doc, const HighlightScheme& scheme, const ColorTable& colors,
                      FileSystem& files, const std::string& path);
