#include "core/doc/mail_body.h"

#include "core/doc/text_doc.h"

std::string MailBody(const CTextDoc& doc, int codePage)
{
    const int last = doc.GetLineCount() - 1;
    std::string body = doc.GetText(TextPos{0, 0}, TextPos{static_cast<int>(doc.GetLine(last).size()), last});
    ConvertString(body, codePage, CP_WIN);
    return body;
}
