#include "core/text/setup_file.h"

#include <fstream>
#include <iterator>

namespace {

bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t';
}

} // namespace

std::string_view TrimLeadingBlanks(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    return text;
}

std::string_view TrimBlanks(std::string_view text)
{
    text = TrimLeadingBlanks(text);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::optional<SetupReader> SetupReader::Open(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string text(std::istreambuf_iterator<char>(in), {});
    if (in.bad())
        return std::nullopt;
    return FromText(std::move(text));
}

std::optional<SetupReader> SetupReader::FromText(std::string text)
{
    SetupReader reader(std::move(text));
    std::string_view first;
    if (!reader.NextRawLine(first) || first != kSetupFileHeader)
        return std::nullopt;
    return reader;
}

bool SetupReader::NextRawLine(std::string_view& line)
{
    if (m_pos >= m_text.size())
        return false;
    const std::string_view rest = std::string_view(m_text).substr(m_pos);
    const std::size_t lf = rest.find('\n');
    const std::size_t end = lf == std::string_view::npos ? rest.size() : lf;
    const std::size_t length = end > 0 && rest[end - 1] == '\r' ? end - 1 : end;
    if (length > kLongestLine) {
        line = rest.substr(0, kLongestLine);
        m_pos += kLongestLine;
        return true;
    }
    line = rest.substr(0, length);
    m_pos += lf == std::string_view::npos ? end : end + 1;
    return true;
}

bool SetupReader::ReadSetupLine(std::string& line)
{
    std::string_view raw;
    while (NextRawLine(raw)) {
        if (!raw.empty() && raw.front() == ';')
            continue;
        const std::string_view trimmed = TrimBlanks(raw);
        if (trimmed.empty())
            continue;
        line.assign(trimmed);
        return true;
    }
    return false;
}

bool SetupReader::ReadSetupEntry(std::string& key, std::string& value, std::string* line)
{
    std::string_view raw;
    while (NextRawLine(raw)) {
        if (!raw.empty() && raw.front() == ';')
            continue;
        const std::size_t equals = raw.find('=');
        key.assign(TrimBlanks(raw.substr(0, equals)));
        value.assign(equals == std::string_view::npos ? std::string_view() : TrimLeadingBlanks(raw.substr(equals + 1)));
        if (line)
            line->assign(raw);
        return true;
    }
    return false;
}

bool WriteSetupFile(const std::string& path, const std::vector<std::string>& lines)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    out << kSetupFileHeader << "\r\n"
        << "; generated automatically by noveda\r\n"
        << "; do not modify this file\r\n";
    for (const std::string& line : lines)
        out << line << "\r\n";
    out.close();
    return !out.fail();
}
