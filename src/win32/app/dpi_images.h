#pragma once

#include <windows.h>
#include <commctrl.h>

#include <span>

// A strip of images in the resources: `width` x `height` each.
struct ImageStrip {
    int bitmap;
    int width, height;
};

// Of the strips that show the same images at different sizes, the one
// that, drawn a whole number of times as large, comes nearest to the first
// strip's size on a screen of `dpi` (on a tie the larger): whole multiples
// keep every pixel sharp and the transparent colour exact.
struct ChosenStrip {
    ImageStrip strip;
    int times;
    int Width() const { return strip.width * times; }
    int Height() const { return strip.height * times; }
};
ChosenStrip ChooseStrip(std::span<const ImageStrip> strips, int dpi);

// The chosen strip's images as an image list, `mask` transparent.
HIMAGELIST LoadScaledImages(const ChosenStrip& chosen, COLORREF mask);
