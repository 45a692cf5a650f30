#pragma once
// The input panel's two button images with their masks, and the component's icon.

#include "tools/artwork/canvas.h"

// Mask pixels, as palette indexes of a 1-bit image.
const uint8_t MASK_OPAQUE = 0;      // black: the image shows
const uint8_t MASK_TRANSPARENT = 1; // white: the background shows

const int ICON_SIZE = 32;

Canvas DrawNarrowButton(); // 16 x 16
Canvas DrawNarrowButtonMask();
Canvas DrawWideButton(); // 32 x 16
Canvas DrawWideButtonMask();
Canvas DrawIcon(); // 32 x 32
Canvas DrawIconMask();
