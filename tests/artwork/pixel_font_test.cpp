#include "tools/artwork/pixel_font.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <utility>

TEST(PixelFont, GlyphsAreRectangularAndDefinedOnce)
{
    std::set<std::pair<int, char32_t>> defined;
    for (int i = 0; i < GLYPH_COUNT; ++i)
    {
        const Glyph& glyph = g_aGlyphs[i];
        SCOPED_TRACE(uint32_t(glyph.chCode));
        EXPECT_TRUE(defined.insert({glyph.nFont, glyph.chCode}).second);
        size_t nWidth = strcspn(glyph.pszRows, "|");
        EXPECT_GT(nWidth, 0u);
        for (const char* p = glyph.pszRows; *p; p += strcspn(p, "|") + (p[strcspn(p, "|")] != 0))
        {
            EXPECT_EQ(nWidth, strcspn(p, "|"));
            EXPECT_EQ(strspn(p, "#."), strcspn(p, "|"));
        }
    }
}

TEST(PixelFont, AMissingGlyphDrawsNothing)
{
    Canvas canvas = CreateCanvas(20, 20, SHADE_WHITE);
    EXPECT_FALSE(DrawLabel(canvas, {FONT_SMALL, "A?"}, 0, 0, 20, 20));
    for (uint8_t bPixel : canvas.abPixels)
        EXPECT_EQ(SHADE_WHITE, bPixel);
}
