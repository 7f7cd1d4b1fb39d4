#include "win32/framework/doc_template.h"

#include "win32/app/win_settings.h"

#include <array>

namespace {

// The fields in their order; only the document name is read.
enum DocStringField { kWindowTitle, kDocName };

std::array<std::string, 7> SplitFields(const std::string& text)
{
    std::array<std::string, 7> fields;
    std::size_t start = 0;
    for (std::string& field : fields) {
        const std::size_t end = text.find('\n', start);
        field = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return fields;
}

} // namespace

// Whoever shows the menu takes it off its window before this goes.
CDocTemplate::~CDocTemplate()
{
    if (m_menu)
        DestroyMenu(m_menu);
}

bool CDocTemplate::Load()
{
    m_menu = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_id));
    const std::optional<std::string> text = StringTableResources().Load(m_id);
    if (!m_menu || !text)
        return false;
    const std::array<std::string, 7> fields = SplitFields(*text);
    m_documentName = fields[kDocName].empty() ? "Untitled" : fields[kDocName];
    return true;
}
