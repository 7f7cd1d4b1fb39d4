#include "core/doc/detect.h"

#include "core/doc/text_doc.h"

#include <algorithm>
#include <array>
#include <cstring>

std::uint8_t DetectLineEnd(const char* bytes, std::size_t size)
{
    const void* found = size ? std::memchr(bytes, '\n', size) : nullptr;
    if (!found)
        return LINE_END_CRLF;
    const std::size_t lf = static_cast<std::size_t>(static_cast<const char*>(found) - bytes);
    if (lf > 0 && bytes[lf - 1] == '\r')
        return LINE_END_CRLF;
    if (lf + 1 == size)
        return LINE_END_LF;
    return bytes[lf + 1] == '\r' ? LINE_END_LFCR : LINE_END_LF;
}

std::uint8_t DetectCodePage(const char* bytes, std::size_t size)
{
    std::array<int, 13> c{};
    for (std::size_t n = 0; n < std::min<std::size_t>(size, 5000); ++n) {
        const auto b = static_cast<unsigned char>(bytes[n]);
        if (b > 0x81)
            ++c[(b - 128) / 10];
    }
    if (c[0] + c[1] > 0)
        return c[4] > c[12] ? 1 : 2; // DOS : MAC
    const int koi = c[6] + c[7] + c[8];
    const int win = c[10] + c[11] + c[12];
    const int iso = c[8] + c[9] + c[10];
    if (koi > win && koi > iso)
        return 0;
    return win >= iso ? 4 : 3;
}
