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

TEST(PixelFont, LabelsAreCentredInOddAndEvenRectangles)
{
    const Label aLabels[] = {{FONT_LARGE, "7"},
                             {FONT_LARGE, "asinh"},
                             {FONT_SMALL, "XOR"},
                             {FONT_LARGE, "10ˣ"},
                             {FONT_LARGE, "⇧"}};
    for (const Label& label : aLabels)
        for (int nSize : {20, 21, 22, 23})
        {
            SCOPED_TRACE(std::string(label.pszText) + " in " + std::to_string(nSize));
            Canvas canvas = CreateCanvas(nSize, nSize, SHADE_WHITE);
            ASSERT_TRUE(DrawLabel(canvas, label, 0, 0, nSize, nSize));
            int nLeft = nSize, nRight = 0, nTop = nSize, nBottom = 0;
            for (int y = 0; y < nSize; ++y)
                for (int x = 0; x < nSize; ++x)
                    if (PixelAt(canvas, x, y) == SHADE_BLACK)
                    {
                        nLeft = std::min(nLeft, x);
                        nRight = std::max(nRight, x + 1);
                        nTop = std::min(nTop, y);
                        nBottom = std::max(nBottom, y + 1);
                    }
            ASSERT_LT(nLeft, nRight);
            EXPECT_EQ(LabelWidth(label), nRight - nLeft);
            EXPECT_LE(std::abs(nLeft - (nSize - nRight)), 1);
            EXPECT_LE(std::abs(nTop - (nSize - nBottom)), 2);
        }
}

TEST(PixelFont, AMissingGlyphDrawsNothing)
{
    Canvas canvas = CreateCanvas(20, 20, SHADE_WHITE);
    EXPECT_FALSE(DrawLabel(canvas, {FONT_SMALL, "A?"}, 0, 0, 20, 20));
    for (uint8_t bPixel : canvas.abPixels)
        EXPECT_EQ(SHADE_WHITE, bPixel);
}
