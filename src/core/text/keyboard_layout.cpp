#include "core/text/keyboard_layout.h"

#include "core/text/setup_file.h"

namespace {

constexpr std::uint8_t kFirstMapped = 33;

} // namespace

bool KeyboardLayout::LoadLayout(const std::string& path)
{
    Clear();
    auto reader = SetupReader::Open(path);
    if (!reader)
        return false;
    ReadLayout(*reader);
    return true;
}

void KeyboardLayout::ReadLayout(SetupReader& reader)
{
    Clear();
    std::string line;
    while (reader.ReadSetupLine(line)) {
        const auto typed = static_cast<std::uint8_t>(line[0]);
        if (typed < kFirstMapped)
            continue;
        m_entries[typed - kFirstMapped] = line.size() > 1 ? static_cast<std::uint8_t>(line[1]) : 0;
    }
}

std::uint8_t KeyboardLayout::MapKey(std::uint8_t c) const
{
    if (c < kFirstMapped)
        return c;
    const std::uint8_t mapped = m_entries[c - kFirstMapped];
    return mapped ? mapped : c;
}
