#include "win32/app/dpi_images.h"

#include "win32/app/gdi_fonts.h"

#include <cstdlib>

ChosenStrip ChooseStrip(std::span<const ImageStrip> strips, int dpi)
{
    const int wanted = ScaledForDpi(strips.front().width, dpi);
    ChosenStrip best{strips.front(), 1};
    for (const ImageStrip& strip : strips)
        for (int times = 1; times <= 4; ++times) {
            const ChosenStrip candidate{strip, times};
            const int miss = std::abs(candidate.Width() - wanted);
            const int bestMiss = std::abs(best.Width() - wanted);
            if (miss < bestMiss || (miss == bestMiss && candidate.Width() > best.Width()))
                best = candidate;
        }
    return best;
}

HIMAGELIST LoadScaledImages(const ChosenStrip& chosen, COLORREF mask)
{
    HBITMAP strip = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(chosen.strip.bitmap),
                                                    IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!strip)
        return nullptr;
    BITMAP info{};
    GetObjectW(strip, sizeof info, &info);
    const int count = info.bmWidth / std::max(1, chosen.strip.width);
    HIMAGELIST images = ImageList_Create(chosen.Width(), chosen.Height(), ILC_COLOR24 | ILC_MASK, count, 0);
    if (chosen.times == 1) {
        ImageList_AddMasked(images, strip, mask);
        DeleteObject(strip);
        return images;
    }
    HDC screen = GetDC(nullptr);
    HDC from = CreateCompatibleDC(screen);
    HDC to = CreateCompatibleDC(screen);
    HBITMAP scaled = CreateCompatibleBitmap(screen, info.bmWidth * chosen.times, info.bmHeight * chosen.times);
    HGDIOBJ oldFrom = SelectObject(from, strip);
    HGDIOBJ oldTo = SelectObject(to, scaled);
    SetStretchBltMode(to, COLORONCOLOR); // whole pixels repeated: no blended edges
    StretchBlt(to, 0, 0, info.bmWidth * chosen.times, info.bmHeight * chosen.times, from, 0, 0, info.bmWidth,
               info.bmHeight, SRCCOPY);
    SelectObject(from, oldFrom);
    SelectObject(to, oldTo);
    DeleteDC(from);
    DeleteDC(to);
    ReleaseDC(nullptr, screen);
    ImageList_AddMasked(images, scaled, mask);
    DeleteObject(scaled);
    DeleteObject(strip);
    return images;
}
