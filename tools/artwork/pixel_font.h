#pragma once
// The artwork's own pixel fonts: a large one (capitals and digits 7 pixels high, lower case 5 with
// ascenders and descenders) for most keys, and a small one (capitals 5 pixels high) for the narrow
// keys with three-letter names. Pictograms (arrows, the Input arrow, the pad switch) are glyphs of
// the large font under the Unicode character that names them.

#include "tools/artwork/canvas.h"

enum FontId
{
    FONT_LARGE = 0,
    FONT_SMALL = 1,
};

struct Glyph
{
    int nFont;
    char32_t chCode;
    int nDescent;        // rows below the baseline; negative raises the glyph (superscripts)
    const char* pszRows; // top to bottom, separated by '|'; '#' is ink
};

extern const Glyph g_aGlyphs[];
extern const int GLYPH_COUNT;

// UTF-8 text in one font.
struct Label
{
    int nFont;
    const char* pszText;
};

// Null when the font has no glyph for the character.
const Glyph* FindGlyph(int nFont, char32_t chCode);

// Width of the label in pixels: its glyphs with one pixel between neighbours.
int LabelWidth(const Label& label);

// Draws the label in black, centred in the rectangle (right and bottom exclusive). Labels of one
// font share a baseline position in rectangles of one height, so a row of keys reads evenly.
// False, and nothing drawn, when a character has no glyph.
bool DrawLabel(Canvas& canvas, const Label& label, int nLeft, int nTop, int nRight, int nBottom);
