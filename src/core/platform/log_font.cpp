#include "core/platform/log_font.h"

#include <algorithm>
#include <cstring>

namespace {

void PutInt(std::vector<std::uint8_t>& out, std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(bits >> shift));
}

std::int32_t TakeInt(const std::uint8_t* p)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
                                     static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24);
}

} // namespace

std::string LogFont::FaceName() const
{
    const auto end = std::find(faceName.begin(), faceName.end(), '\0');
    return std::string(faceName.begin(), end);
}

void LogFont::SetFaceName(const std::string& name)
{
    faceName.fill('\0');
    std::memcpy(faceName.data(), name.data(), std::min(name.size(), faceName.size() - 1));
}

std::vector<std::uint8_t> LogFont::ToBlock() const
{
    std::vector<std::uint8_t> block;
    block.reserve(kBlockSize);
    for (std::int32_t value : {height, width, escapement, orientation, weight})
        PutInt(block, value);
    for (std::uint8_t value :
         {italic, underline, strikeOut, charSet, outPrecision, clipPrecision, quality, pitchAndFamily})
        block.push_back(value);
    block.insert(block.end(), faceName.begin(), faceName.end());
    return block;
}

std::optional<LogFont> LogFont::FromBlock(const std::vector<std::uint8_t>& block)
{
    if (block.size() != kBlockSize)
        return std::nullopt;
    const std::uint8_t* p = block.data();
    LogFont font;
    font.height = TakeInt(p);
    font.width = TakeInt(p + 4);
    font.escapement = TakeInt(p + 8);
    font.orientation = TakeInt(p + 12);
    font.weight = TakeInt(p + 16);
    font.italic = p[20];
    font.underline = p[21];
    font.strikeOut = p[22];
    font.charSet = p[23];
    font.outPrecision = p[24];
    font.clipPrecision = p[25];
    font.quality = p[26];
    font.pitchAndFamily = p[27];
    std::memcpy(font.faceName.data(), p + 28, font.faceName.size());
    font.faceName.back() = '\0';
    return font;
}

namespace {

// value * to / from, rounded half away from zero.
std::int32_t Rescaled(std::int32_t value, int to, int from)
{
    const std::int64_t scaled = static_cast<std::int64_t>(value) * to;
    const std::int64_t half = from / 2;
    return static_cast<std::int32_t>(scaled >= 0 ? (scaled + half) / from : (scaled - half) / from);
}

} // namespace

LogFont LogFont::AtDpi(int dpi) const
{
    LogFont font = *this;
    font.height = Rescaled(height, dpi, kDefaultDpi);
    font.width = Rescaled(width, dpi, kDefaultDpi);
    return font;
}

LogFont LogFont::FromDpi(int dpi) const
{
    LogFont font = *this;
    font.height = Rescaled(height, kDefaultDpi, std::max(1, dpi));
    font.width = Rescaled(width, kDefaultDpi, std::max(1, dpi));
    return font;
}

LogFont DefaultTextFont()
{
    LogFont font;
    font.height = -12;
    font.weight = 400;
    font.charSet = 204;
    font.outPrecision = 3;
    font.clipPrecision = 2;
    font.quality = 1;
    font.pitchAndFamily = 42;
    font.SetFaceName("Courier New");
    return font;
}
