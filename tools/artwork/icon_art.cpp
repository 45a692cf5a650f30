#include "tools/artwork/icon_art.h"

#include "tools/artwork/pixel_font.h"

#include <cstring>

namespace
{

// Pixel art by rows: '#' black, 'o' dark gray, '-' light gray, ' ' white.
Canvas CanvasFromRows(const char* const* apszRows, int nRows)
{
    Canvas canvas = CreateCanvas(int(strlen(apszRows[0])), nRows, SHADE_BLACK);
    for (int y = 0; y < nRows; ++y)
        for (int x = 0; apszRows[y][x]; ++x)
            PutPixel(canvas, x, y, uint8_t(strchr("#o- ", apszRows[y][x]) - "#o- "));
    return canvas;
}

// The calculator of the narrow button fills columns 1 to 14; the columns beside it are masked.
// clang-format off
const char* const g_apszNarrowButton[] = {
    "################",
    "##------------##",
    "##-          -##",
    "##-          -##",
    "##-          -##",
    "##------------##",
    "##-oo--oo--oo-##",
    "##-oo--oo--oo-##",
    "##------------##",
    "##-oo--oo--oo-##",
    "##-oo--oo--oo-##",
    "##------------##",
    "##-oo--oo--oo-##",
    "##-oo--oo--oo-##",
    "##------------##",
    "################",
};

// The wide button's calculator is one column narrower, in columns 1 to 13; its label is drawn
// over the light gray at the right.
const char* const g_apszWideButton[] = {
    "-#############------------------",
    "-#-----------#------------------",
    "-#-         -#------------------",
    "-#-         -#------------------",
    "-#-         -#------------------",
    "-#-----------#------------------",
    "-#-oo-ooo-oo-#------------------",
    "-#-oo-ooo-oo-#------------------",
    "-#-----------#------------------",
    "-#-oo-ooo-oo-#------------------",
    "-#-oo-ooo-oo-#------------------",
    "-#-----------#------------------",
    "-#-oo-ooo-oo-#------------------",
    "-#-oo-ooo-oo-#------------------",
    "-#-----------#------------------",
    "-#############------------------",
};
// clang-format on

const int WIDE_LABEL_LEFT = 14;

void DrawRaisedBlock(Canvas& canvas, int nLeft, int nTop, int nRight, int nBottom)
{
    FillRectangle(canvas, nLeft, nTop, nRight, nBottom, SHADE_DARK_GRAY);
    FillRectangle(canvas, nLeft, nTop, nRight - 1, nBottom - 1, SHADE_WHITE);
    FillRectangle(canvas, nLeft + 1, nTop + 1, nRight - 1, nBottom - 1, SHADE_LIGHT_GRAY);
}

// The icon's calculator: columns 3 to 28, rows 0 to 30; the rest is masked.
const int ICON_BODY_LEFT = 3;
const int ICON_BODY_RIGHT = 29;
const int ICON_BODY_BOTTOM = 31;

} // namespace

Canvas DrawNarrowButton()
{
    return CanvasFromRows(g_apszNarrowButton, 16);
}

Canvas DrawNarrowButtonMask()
{
    Canvas mask = CreateCanvas(16, 16, MASK_OPAQUE);
    FillRectangle(mask, 0, 0, 1, 16, MASK_TRANSPARENT);
    FillRectangle(mask, 15, 0, 16, 16, MASK_TRANSPARENT);
    return mask;
}

Canvas DrawWideButton()
{
    Canvas button = CanvasFromRows(g_apszWideButton, 16);
    DrawLabel(button, {FONT_SMALL, "CALC"}, WIDE_LABEL_LEFT, 1, 32, 8);
    DrawLabel(button, {FONT_SMALL, "PAD"}, WIDE_LABEL_LEFT, 8, 32, 15);
    return button;
}

Canvas DrawWideButtonMask()
{
    return CreateCanvas(32, 16, MASK_OPAQUE);
}

Canvas DrawIcon()
{
    Canvas icon = CreateCanvas(ICON_SIZE, ICON_SIZE, SHADE_BLACK);
    FillRectangle(icon, ICON_BODY_LEFT + 1, 1, ICON_BODY_RIGHT - 1, ICON_BODY_BOTTOM - 1,
                  SHADE_LIGHT_GRAY);

    // A sunken display with three digits, right-aligned as a calculator shows them.
    FillRectangle(icon, 5, 2, 27, 12, SHADE_WHITE);
    FillRectangle(icon, 5, 2, 26, 3, SHADE_DARK_GRAY);
    FillRectangle(icon, 5, 2, 6, 11, SHADE_DARK_GRAY);
    DrawLabel(icon, {FONT_LARGE, "123"}, 10, 4, 25, 12);

    // A 3 x 3 block of keys, and two tall keys stacked at the right.
    for (int nRow = 0; nRow < 3; ++nRow)
        for (int nColumn = 0; nColumn < 3; ++nColumn)
            DrawRaisedBlock(icon, 5 + 6 * nColumn, 13 + 6 * nRow, 9 + 6 * nColumn, 17 + 6 * nRow);
    DrawRaisedBlock(icon, 23, 13, 27, 20);
    DrawRaisedBlock(icon, 23, 22, 27, 29);
    return icon;
}

Canvas DrawIconMask()
{
    Canvas mask = CreateCanvas(ICON_SIZE, ICON_SIZE, MASK_TRANSPARENT);
    FillRectangle(mask, ICON_BODY_LEFT, 0, ICON_BODY_RIGHT, ICON_BODY_BOTTOM, MASK_OPAQUE);
    return mask;
}
