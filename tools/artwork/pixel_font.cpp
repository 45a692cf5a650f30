#include "tools/artwork/pixel_font.h"

#include <cstring>

namespace
{

struct FontMetrics
{
    int nAscent;  // capital height: the top of the label box above the baseline
    int nDescent; // rows of the label box below the baseline
};

// The large font's box reaches one row below the baseline: half of the descender, so that digits
// and words with descenders sit equally near the middle of a key.
const FontMetrics g_aFontMetrics[] = {{7, 1}, {5, 0}};

} // namespace

// clang-format off
const Glyph g_aGlyphs[] = {
    {FONT_LARGE, U'0', 0, ".###.|#...#|#...#|#...#|#...#|#...#|.###."},
    {FONT_LARGE, U'1', 0, ".#.|##.|.#.|.#.|.#.|.#.|###"},
    {FONT_LARGE, U'2', 0, ".###.|#...#|....#|...#.|..#..|.#...|#####"},
    {FONT_LARGE, U'3', 0, "#####|...#.|..#..|...#.|....#|#...#|.###."},
    {FONT_LARGE, U'4', 0, "...#.|..##.|.#.#.|#..#.|#####|...#.|...#."},
    {FONT_LARGE, U'5', 0, "#####|#....|####.|....#|....#|#...#|.###."},
    {FONT_LARGE, U'6', 0, "..##.|.#...|#....|####.|#...#|#...#|.###."},
    {FONT_LARGE, U'7', 0, "#####|....#|...#.|..#..|.#...|.#...|.#..."},
    {FONT_LARGE, U'8', 0, ".###.|#...#|#...#|.###.|#...#|#...#|.###."},
    {FONT_LARGE, U'9', 0, ".###.|#...#|#...#|.####|....#|...#.|.##.."},
    {FONT_LARGE, U'A', 0, ".###.|#...#|#...#|#####|#...#|#...#|#...#"},
    {FONT_LARGE, U'B', 0, "####.|#...#|#...#|####.|#...#|#...#|####."},
    {FONT_LARGE, U'C', 0, ".###.|#...#|#....|#....|#....|#...#|.###."},
    {FONT_LARGE, U'D', 0, "####.|#...#|#...#|#...#|#...#|#...#|####."},
    {FONT_LARGE, U'E', 0, "#####|#....|#....|####.|#....|#....|#####"},
    {FONT_LARGE, U'F', 0, "#####|#....|#....|####.|#....|#....|#...."},
    {FONT_LARGE, U'a', 0, "##.|..#|.##|#.#|.##"},
    {FONT_LARGE, U'c', 0, ".##|#..|#..|#..|.##"},
    {FONT_LARGE, U'e', 0, ".#.|#.#|###|#..|.##"},
    {FONT_LARGE, U'g', 2, ".##|#.#|#.#|#.#|.##|..#|##."},
    {FONT_LARGE, U'h', 0, "#..|#..|##.|#.#|#.#|#.#|#.#"},
    {FONT_LARGE, U'i', 0, "#|.|#|#|#|#|#"},
    {FONT_LARGE, U'l', 0, "#|#|#|#|#|#|#"},
    {FONT_LARGE, U'n', 0, "##.|#.#|#.#|#.#|#.#"},
    {FONT_LARGE, U'o', 0, ".#.|#.#|#.#|#.#|.#."},
    {FONT_LARGE, U'p', 2, "##.|#.#|#.#|#.#|##.|#..|#.."},
    {FONT_LARGE, U's', 0, ".##|#..|.#.|..#|##."},
    {FONT_LARGE, U't', 0, ".#.|###|.#.|.#.|.#.|..#"},
    {FONT_LARGE, U'v', 0, "#.#|#.#|#.#|.#.|.#."},
    {FONT_LARGE, U'y', 2, "#.#|#.#|#.#|#.#|.##|..#|##."},
    // The variable of 1/x, x² and xʸ: wider than the letters, as in print.
    {FONT_LARGE, U'x', 0, "#...#|.#.#.|..#..|.#.#.|#...#"},
    {FONT_LARGE, U'²', -3, "##.|..#|.#.|###"},
    {FONT_LARGE, U'ʸ', -2, "#.#|#.#|.##|..#|##."},
    {FONT_LARGE, U'ˣ', -4, "#.#|.#.|#.#"},
    {FONT_LARGE, U'×', -1, "#...#|.#.#.|..#..|.#.#.|#...#"},
    {FONT_LARGE, U'/', 0, "..#|..#|.#.|.#.|.#.|#..|#.."},
    {FONT_LARGE, U'+', -1, "..#..|..#..|#####|..#..|..#.."},
    {FONT_LARGE, U'−', -3, "#####"},
    {FONT_LARGE, U'=', -2, "#######|.......|#######"},
    {FONT_LARGE, U'.', -2, "##|##"},
    {FONT_LARGE, U'(', 0, "..#|.#.|#..|#..|#..|.#.|..#"},
    {FONT_LARGE, U')', 0, "#..|.#.|..#|..#|..#|.#.|#.."},
    {FONT_LARGE, U'…', 0, "#.#.#"},
    {FONT_LARGE, U'√', 1,
     ".....#####|.....#....|.....#....|....#.....|....#.....|#..#......|.#.#......|..#......."},
    {FONT_LARGE, U'·', -2, "##|##"},
    // Thin space: sets the dot of the shift keys off from their arrow.
    {FONT_LARGE, U'\u2009', 0, "."},
    {FONT_LARGE, U'←', -1, "..#....|.#.....|#######|.#.....|..#...."},
    {FONT_LARGE, U'→', -1, "....#..|.....#.|#######|.....#.|....#.."},
    {FONT_LARGE, U'↑', 0, "..#..|.###.|#.#.#|..#..|..#..|..#..|..#.."},
    {FONT_LARGE, U'↓', 0, "..#..|..#..|..#..|..#..|#.#.#|.###.|..#.."},
    {FONT_LARGE, U'↲', 0, "......#|......#|..#...#|.#....#|#######|.#.....|..#...."},
    // The direct toggle: a small triangle pointing right.
    {FONT_LARGE, U'▸', 1, "#...|##..|###.|####|###.|##..|#..."},
    // The Input key: an outlined arrow pointing up whose stem bends to the left at its foot.
    {FONT_LARGE, U'⇧', 1,
     "......#....|.....#.#...|....#...#..|...#.....#.|..#.......#|..###...###|"
     "....#...#..|....#...#..|#####...#..|#.......#..|#.......#..|#########.."},
    // The pad switch: two overlapping rectangles, the front one hiding the back one's corner.
    {FONT_LARGE, U'⧉', 1,
     "#########...|#.......#...|#.......#...|#..#########|#..#.......#|#..#.......#|"
     "####.......#|...#.......#|...#.......#|...#########"},
    {FONT_SMALL, U'A', 0, ".#.|#.#|###|#.#|#.#"},
    {FONT_SMALL, U'B', 0, "##.|#.#|##.|#.#|##."},
    {FONT_SMALL, U'C', 0, ".##|#..|#..|#..|.##"},
    {FONT_SMALL, U'D', 0, "##.|#.#|#.#|#.#|##."},
    {FONT_SMALL, U'E', 0, "###|#..|##.|#..|###"},
    {FONT_SMALL, U'H', 0, "#.#|#.#|###|#.#|#.#"},
    {FONT_SMALL, U'I', 0, "###|.#.|.#.|.#.|###"},
    {FONT_SMALL, U'L', 0, "#..|#..|#..|#..|###"},
    {FONT_SMALL, U'N', 0, "#..#|##.#|#.##|#..#|#..#"},
    {FONT_SMALL, U'O', 0, ".#.|#.#|#.#|#.#|.#."},
    {FONT_SMALL, U'P', 0, "##.|#.#|##.|#..|#.."},
    {FONT_SMALL, U'R', 0, "##.|#.#|##.|#.#|#.#"},
    {FONT_SMALL, U'S', 0, ".##|#..|.#.|..#|##."},
    {FONT_SMALL, U'T', 0, "###|.#.|.#.|.#.|.#."},
    {FONT_SMALL, U'U', 0, "#.#|#.#|#.#|#.#|###"},
    {FONT_SMALL, U'X', 0, "#.#|#.#|.#.|#.#|#.#"},
    {FONT_SMALL, U'a', 0, ".##|#.#|#.#|.##"},
    {FONT_SMALL, U'b', 0, "#..|##.|#.#|#.#|##."},
    {FONT_SMALL, U'c', 0, ".##|#..|#..|.##"},
    {FONT_SMALL, U'e', 0, ".#.|###|#..|.##"},
    {FONT_SMALL, U'l', 0, "#|#|#|#|#"},
    {FONT_SMALL, U's', 0, ".##|##.|..#|##."},
};
// clang-format on

const int GLYPH_COUNT = int(sizeof(g_aGlyphs) / sizeof(g_aGlyphs[0]));

namespace
{

// Decodes the UTF-8 character at *ppsz and moves past it; 0 at the end of the text.
char32_t NextCharacter(const char** ppsz)
{
    const unsigned char* p = reinterpret_cast<const unsigned char*>(*ppsz);
    if (*p == 0)
        return 0;
    char32_t ch = *p++;
    int nFollowing = ch >= 0xF0 ? 3 : ch >= 0xE0 ? 2 : ch >= 0xC0 ? 1 : 0;
    ch &= nFollowing ? 0x3Fu >> nFollowing : 0x7Fu;
    for (; nFollowing > 0 && (*p & 0xC0) == 0x80; --nFollowing)
        ch = (ch << 6) | (*p++ & 0x3F);
    *ppsz = reinterpret_cast<const char*>(p);
    return ch;
}

int GlyphWidth(const Glyph& glyph)
{
    return int(strcspn(glyph.pszRows, "|"));
}

int GlyphHeight(const Glyph& glyph)
{
    int nRows = 1;
    for (const char* p = glyph.pszRows; *p; ++p)
        nRows += *p == '|';
    return nRows;
}

void DrawGlyph(Canvas& canvas, const Glyph& glyph, int nLeft, int nBaseline)
{
    int x = nLeft;
    int y = nBaseline - (GlyphHeight(glyph) - glyph.nDescent);
    for (const char* p = glyph.pszRows; *p; ++p)
    {
        if (*p == '|')
        {
            x = nLeft;
            ++y;
            continue;
        }
        if (*p == '#')
            PutPixel(canvas, x, y, SHADE_BLACK);
        ++x;
    }
}

} // namespace

const Glyph* FindGlyph(int nFont, char32_t chCode)
{
    for (const Glyph& glyph : g_aGlyphs)
        if (glyph.nFont == nFont && glyph.chCode == chCode)
            return &glyph;
    return nullptr;
}

int LabelWidth(const Label& label)
{
    int nWidth = -1;
    const char* psz = label.pszText;
    while (char32_t ch = NextCharacter(&psz))
    {
        const Glyph* pGlyph = FindGlyph(label.nFont, ch);
        if (pGlyph)
            nWidth += GlyphWidth(*pGlyph) + 1;
    }
    return nWidth < 0 ? 0 : nWidth;
}

bool DrawLabel(Canvas& canvas, const Label& label, int nLeft, int nTop, int nRight, int nBottom)
{
    const FontMetrics& metrics = g_aFontMetrics[label.nFont];
    int nAscent = metrics.nAscent;
    const char* psz = label.pszText;
    while (char32_t ch = NextCharacter(&psz))
    {
        const Glyph* pGlyph = FindGlyph(label.nFont, ch);
        if (!pGlyph)
            return false;
        int nGlyphAscent = GlyphHeight(*pGlyph) - pGlyph->nDescent;
        if (nGlyphAscent > nAscent)
            nAscent = nGlyphAscent;
    }

    int x = nLeft + (nRight - nLeft - LabelWidth(label)) / 2;
    int nBox = nAscent + metrics.nDescent;
    int nBaseline = nTop + (nBottom - nTop - nBox) / 2 + nAscent;
    psz = label.pszText;
    while (char32_t ch = NextCharacter(&psz))
    {
        const Glyph* pGlyph = FindGlyph(label.nFont, ch);
        DrawGlyph(canvas, *pGlyph, x, nBaseline);
        x += GlyphWidth(*pGlyph) + 1;
    }
    return true;
}
