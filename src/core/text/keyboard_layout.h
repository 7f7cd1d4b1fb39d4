#pragma once

#include <array>
#include <cstdint>
#include <string>

class SetupReader;

// What each typed character (cp1251, 33..255) becomes while the input
// language is Russian; 0 leaves a character as it is.
class KeyboardLayout {
public:
    // Clears the table and reads a *.kbd file: each line gives the typed
    // character and the one to produce. False when the file cannot be read
    // or has no header (the table then stays empty).
    bool LoadLayout(const std::string& path);
    void ReadLayout(SetupReader& reader);
    std::uint8_t MapKey(std::uint8_t c) const;
    void Clear() { m_entries.fill(0); }

    friend bool operator==(const KeyboardLayout&, const KeyboardLayout&) = default;

private:
    std::array<std::uint8_t, 224> m_entries{};
};
