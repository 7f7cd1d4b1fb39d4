#include "core/view/print_template.h"

#include "core/settings/app_settings.h"

namespace {

std::string Formatted(const char* format, const std::tm& when)
{
    char text[128];
    const std::size_t length = std::strftime(text, sizeof text, format, &when);
    return std::string(text, length);
}

} // namespace

void SetTemplateClock(TemplateFacts& facts, std::time_t now)
{
    std::tm when{};
#ifdef _WIN32
    localtime_s(&when, &now);
#else
    localtime_r(&now, &when);
#endif
    facts.shortDate = Formatted("%x", when);
    facts.longDate = Formatted("%B %d, %Y", when);
    facts.time = Formatted("%H:%M:%S", when);
}

TemplateParts ExpandTemplate(std::string_view text, const TemplateFacts& facts, bool swapSides)
{
    TemplateParts parts;
    std::string* current = &parts.centre;
    std::string* const left = swapSides ? &parts.right : &parts.left;
    std::string* const right = swapSides ? &parts.left : &parts.right;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&' || i + 1 == text.size()) {
            current->push_back(text[i]);
            continue;
        }
        switch (const char code = text[++i]) {
        case 'f': *current += facts.title; break;
        case 'F': *current += facts.path; break;
        case 'p': *current += std::to_string(facts.page); break;
        case 'P': *current += std::to_string(facts.pageCount); break;
        case 'd': *current += facts.shortDate; break;
        case 'D': *current += facts.longDate; break;
        case 't': *current += facts.time; break;
        case 'L': current = left; break;
        case 'C': current = &parts.centre; break;
        case 'R': current = right; break;
        default: current->push_back(code);
        }
    }
    return parts;
}

std::string FooterInLanguage(const std::string& footer, const StringLookup& strings)
{
    return footer == PrintSettings{}.Footer ? TextOf(kShippedFooter, strings) : footer;
}

std::span<const TemplateCode> TemplateCodes()
{
    static constexpr TemplateCode kCodes[] = {{5020, "&f"}, {5021, "&F"}, {5022, "&p"}, {5023, "&P"},
                                              {5024, "&d"}, {5025, "&D"}, {5026, "&t"}, {5027, "&L"},
                                              {5028, "&C"}, {5029, "&R"}};
    return kCodes;
}
