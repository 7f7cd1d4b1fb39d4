#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A font as the settings store it: the 60-byte Windows LOGFONT layout
// (little-endian 32-bit numbers, eight bytes, a 32-character face name).
// Its sizes are pixels of a 96-DPI screen; AtDpi gives them for another.
struct LogFont {
    static constexpr std::size_t kBlockSize = 60;
    static constexpr int kDefaultDpi = 96;

    std::int32_t height = 0;
    std::int32_t width = 0;
    std::int32_t escapement = 0;
    std::int32_t orientation = 0;
    std::int32_t weight = 0;
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t strikeOut = 0;
    std::uint8_t charSet = 0;
    std::uint8_t outPrecision = 0;
    std::uint8_t clipPrecision = 0;
    std::uint8_t quality = 0;
    std::uint8_t pitchAndFamily = 0;
    std::array<char, 32> faceName{};

    std::string FaceName() const;
    void SetFaceName(const std::string& name);

    std::vector<std::uint8_t> ToBlock() const;
    // Nothing unless the block is exactly 60 bytes.
    static std::optional<LogFont> FromBlock(const std::vector<std::uint8_t>& block);

    // The same font for a screen of `dpi` dots per inch, and back from one.
    LogFont AtDpi(int dpi) const;
    LogFont FromDpi(int dpi) const;

    friend bool operator==(const LogFont&, const LogFont&) = default;
};

// The text font of a fresh installation: Courier New, 12 pixels, Cyrillic.
LogFont DefaultTextFont();
