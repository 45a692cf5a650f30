#pragma once
// Encodes canvases as Windows bitmap and icon files.

#include "tools/artwork/canvas.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// A bottom-up BI_RGB bitmap of 2 bits per pixel with the four greys as its palette, or of 1 bit
// per pixel with black (index 0) and white (index 1).
std::vector<uint8_t> EncodeBitmap(const Canvas& canvas, int nBitsPerPixel);

// An icon file with one image at 4 bits per pixel: the image's greys are the first four entries
// of its sixteen-entry palette, the rest black. Where the mask is transparent the image is black,
// as icons need.
std::vector<uint8_t> EncodeIcon(const Canvas& image, const Canvas& mask);
