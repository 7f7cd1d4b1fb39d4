#pragma once

#include "core/text/code_pages.h"

#include <string>

class CTextDoc;

// The whole text as the body of a mail: TABs for tab cells, CR LF between
// lines, converted from the code page it is shown in to WIN, the code page
// mail programs read Cyrillic in (as the clipboard does).
std::string MailBody(const CTextDoc& doc, int codePage);
