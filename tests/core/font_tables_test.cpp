// The nine stored font tables, parsed byte by byte: their layout, the widths the screens are laid
// out with, and where the ink of capitals, digits and descenders lies in the cell.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "graphics/data/fonts.h"
#include "graphics/text.h"

namespace {

struct FontCase {
    FontId id;
    const uint8_t* table;
    const uint32_t* size;
    int first, last, style, height;
    int minWidth, maxWidth, digitWidth, spaceWidth;
    int capTop, capBottom;
    int descenderRow;   // -1: the font has no letters
    const char* widths; // codes 32 upwards
};

// clang-format off
const FontCase Fonts[] = {
    {8, Font8, &Font8Size, 0, 255, 0, 16, 3, 14, 8, 4, 3, 12, 15,
     "4 4 6 7 8 10 10 3 4 4 5 8 4 4 4 4 8 7 8 8 8 8 8 8 8 8 4 4 8 8 8 8 "
     "14 9 10 10 10 9 9 10 9 4 8 10 9 11 10 10 8 11 10 9 8 9 9 13 9 8 9 4 4 4 8 8 "
     "4 9 8 7 9 9 6 8 9 4 4 7 4 11 9 8 8 9 7 8 5 8 7 11 8 7 7 5 3 5 8"},
    {9, Font9, &Font9Size, 32, 127, 62, 19, 4, 16, 9, 4, 3, 14, 17,
     "4 4 8 9 9 16 12 4 5 5 6 9 4 5 4 4 9 9 9 9 9 9 9 9 9 9 6 6 9 9 9 10 "
     "16 11 12 12 12 11 10 12 12 4 9 12 10 13 12 12 11 12 12 11 10 12 11 15 11 10 9 5 4 5 9 9 "
     "5 9 10 9 10 9 5 10 10 4 4 9 4 14 10 10 10 10 6 9 5 10 9 13 9 9 9 6 4 6 9"},
    {10, Font10, &Font10Size, 0, 255, 0, 21, 4, 21, 11, 5, 4, 17, 20,
     "5 5 9 11 11 17 14 5 6 6 7 11 5 6 5 5 11 11 11 11 11 11 11 11 11 11 7 7 11 11 11 12 "
     "19 13 14 14 14 13 12 15 13 5 11 14 12 17 13 15 13 15 13 13 13 13 13 17 13 13 11 6 5 6 11 11 "
     "6 11 12 11 12 11 6 12 12 5 5 11 5 17 12 12 12 12 8 11 6 12 11 15 11 11 10 7 4 7 11"},
    {12, Font12, &Font12Size, 32, 127, 67, 24, 5, 21, 12, 6, 4, 18, 22,
     "6 7 10 12 12 17 15 5 7 7 8 12 6 7 6 6 12 12 12 12 12 12 12 12 12 12 7 7 12 12 12 13 "
     "20 15 15 15 15 14 13 16 14 5 12 15 13 17 14 16 14 16 15 14 13 14 13 21 14 13 12 7 6 7 12 12 "
     "7 12 13 12 13 12 7 13 13 5 5 12 5 19 13 13 13 13 8 12 7 13 13 15 12 11 11 8 6 8 12"},
    {16, Font16, &Font16Size, 32, 127, 64, 33, 7, 27, 16, 8, 6, 25, 31,
     "8 8 13 16 16 25 20 7 9 9 11 16 8 9 8 8 16 16 16 16 16 16 16 16 16 16 10 10 16 16 16 17 "
     "27 19 19 20 20 19 17 22 20 8 15 20 17 25 20 21 18 21 20 19 18 20 19 27 19 18 17 9 8 9 16 16 "
     "9 16 17 16 17 16 9 17 17 8 8 16 8 26 17 17 17 17 11 15 9 17 15 23 16 16 14 11 7 11 16"},
    {20, Font20, &Font20Size, 32, 57, 115, 41, 8, 31, 19, 10, 7, 31, -1,
     "10 11 17 19 19 31 25 8 12 12 14 20 10 12 10 10 19 19 19 19 19 19 19 19 19 19"},
    {24, Font24, &Font24Size, 32, 57, 127, 51, 10, 39, 24, 12, 9, 39, -1,
     "12 14 20 24 24 39 31 10 14 14 17 25 12 14 12 12 24 24 24 24 24 24 24 24 24 24"},
    {30, Font30, &Font30Size, 32, 57, 96, 62, 13, 47, 29, 15, 11, 48, -1,
     "15 17 25 29 29 47 38 13 18 18 21 31 15 18 15 15 29 29 29 29 29 29 29 29 29 29"},
    {34, Font34, &Font34Size, 32, 57, 96, 70, 14, 51, 33, 17, 13, 56, -1,
     "17 18 28 33 33 51 43 14 20 20 23 35 17 20 17 17 33 33 33 33 33 33 33 33 33 33"},
};
// clang-format on

int Read16(const uint8_t* p) {
    return p[0] | p[1] << 8;
}

// One glyph as parsed from its table.
struct Glyph {
    int width = 0;
    uint32_t offset = 0;
    const uint8_t* rows = nullptr;
    int bytesPerRow = 0;
    bool Ink(int x, int y) const { return rows[y * bytesPerRow + x / 8] & (0x80 >> (x % 8)); }
};

Glyph GlyphOf(const FontCase& f, int code) {
    const uint8_t* e = f.table + 8 + 4 * (code - f.first);
    Glyph g;
    g.width = e[1];
    g.offset = uint32_t(e[0]) << 16 | uint32_t(e[3]) << 8 | e[2];
    g.rows = f.table + g.offset;
    g.bytesPerRow = (g.width + 7) / 8;
    return g;
}

// Rows holding ink, as [top, bottom]; top > bottom when the glyph is blank.
std::pair<int, int> InkRows(const FontCase& f, int code) {
    const Glyph g = GlyphOf(f, code);
    int top = f.height, bottom = -1;
    for (int y = 0; y < f.height; ++y)
        for (int x = 0; x < g.width; ++x)
            if (g.Ink(x, y)) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    return {top, bottom};
}

std::vector<int> ListedWidths(const FontCase& f) {
    std::vector<int> widths;
    std::istringstream in(f.widths);
    for (int w; in >> w;) widths.push_back(w);
    return widths;
}

std::string Name(const FontCase& f) {
    return "Font" + std::to_string(f.id);
}

TEST(FontTables, HeadersGiveCodeRangeStyleAndHeight) {
    for (const FontCase& f : Fonts) {
        SCOPED_TRACE(Name(f));
        EXPECT_EQ(Read16(f.table), 0);
        EXPECT_EQ(Read16(f.table + 2), f.first);
        EXPECT_EQ(Read16(f.table + 4), f.last);
        EXPECT_EQ(f.table[6], f.style);
        EXPECT_EQ(f.table[7], f.height);
        EXPECT_EQ(FontTableFor(f.id), f.table);
    }
}

TEST(FontTables, GlyphDataFollowsTheEntriesBackToBackUpToTheTableEnd) {
    for (const FontCase& f : Fonts) {
        SCOPED_TRACE(Name(f));
        uint32_t expected = uint32_t(8 + 4 * (f.last - f.first + 1));
        for (int code = f.first; code <= f.last; ++code) {
            const Glyph g = GlyphOf(f, code);
            ASSERT_EQ(g.offset, expected) << "code " << code;
            expected += uint32_t(g.bytesPerRow * f.height);
        }
        EXPECT_EQ(expected, *f.size);
    }
}

TEST(FontTables, PrintableWidthsAreTheLayoutWidths) {
    for (const FontCase& f : Fonts) {
        SCOPED_TRACE(Name(f));
        const std::vector<int> widths = ListedWidths(f);
        const int printableLast = std::min(f.last, 126);
        ASSERT_EQ(int(widths.size()), printableLast - 32 + 1);
        for (int code = 32; code <= printableLast; ++code)
            EXPECT_EQ(GlyphOf(f, code).width, widths[size_t(code - 32)]) << "code " << code;
        EXPECT_EQ(GlyphOf(f, ' ').width, f.spaceWidth);
    }
}

TEST(FontTables, EveryWidthLiesInTheFontsRange) {
    for (const FontCase& f : Fonts) {
        SCOPED_TRACE(Name(f));
        int narrowest = 255, widest = 0;
        for (int code = f.first; code <= f.last; ++code) {
            narrowest = std::min(narrowest, GlyphOf(f, code).width);
            widest = std::max(widest, GlyphOf(f, code).width);
        }
        EXPECT_EQ(narrowest, f.minWidth);
        EXPECT_EQ(widest, f.maxWidth);
    }
}

TEST(FontTables, DigitsAreTabular) {
    for (const FontCase& f : Fonts) {
        SCOPED_TRACE(Name(f));
        for (int code = '0'; code <= '9'; ++code) {
            const int expected = f.id == 8 && code == '1' ? f.digitWidth - 1 : f.digitWidth;
            EXPECT_EQ(GlyphOf(f, code).width, expected) << char(code);
        }
    }
}

TEST(FontTables, BitsBeyondTheGlyphWidthAreClear) {
    for (const FontCase& f : Fonts) {
        SCOPED_TRACE(Name(f));
        for (int code = f.first; code <= f.last; ++code) {
            const Glyph g = GlyphOf(f, code);
            if (g.width % 8 == 0) continue;
            const uint8_t unused = uint8_t(0xFF >> (g.width % 8));
            for (int y = 0; y < f.height; ++y)
                EXPECT_EQ(g.rows[y * g.bytesPerRow + g.bytesPerRow - 1] & unused, 0)
                    << "code " << code << " row " << y;
        }
    }
}

// The capitals and digits stand on one baseline with one height: together they fill exactly the
// given rows, and none leaves them. The tail of the Q hangs below the baseline like a descender
// and is held to the descender rows instead.
TEST(FontTables, CapitalsAndDigitsFillTheirRows) {
    for (const FontCase& f : Fonts) {
        SCOPED_TRACE(Name(f));
        std::string codes = "0123456789";
        if (f.last >= 'Z') codes += "ABCDEFGHIJKLMNOPRSTUVWXYZ";
        int top = f.height, bottom = -1;
        for (char c : codes) {
            const auto rows = InkRows(f, c);
            EXPECT_GE(rows.first, f.capTop) << c;
            EXPECT_LE(rows.second, f.capBottom) << c;
            top = std::min(top, rows.first);
            bottom = std::max(bottom, rows.second);
        }
        EXPECT_EQ(top, f.capTop);
        EXPECT_EQ(bottom, f.capBottom);
    }
}

TEST(FontTables, DescendersReachTheirRowAndNoPrintableGoesBelowIt) {
    for (const FontCase& f : Fonts) {
        if (f.descenderRow < 0) continue;
        SCOPED_TRACE(Name(f));
        int lowest = -1;
        for (char c : std::string("gjpqy")) lowest = std::max(lowest, InkRows(f, c).second);
        EXPECT_EQ(lowest, f.descenderRow);
        for (int code = 32; code <= 126; ++code)
            EXPECT_LE(InkRows(f, code).second, f.descenderRow) << "code " << code;
        // Lower-case letters without descenders stand on the baseline.
        for (char c : std::string("acemnorsuvwxz"))
            EXPECT_EQ(InkRows(f, c).second, f.capBottom) << c;
    }
}

TEST(FontTables, EveryVisibleCharacterHasInkAndTheSpaceHasNone) {
    for (const FontCase& f : Fonts) {
        SCOPED_TRACE(Name(f));
        EXPECT_GT(InkRows(f, ' ').first, InkRows(f, ' ').second);
        for (int code = f.first; code <= f.last; ++code) {
            if (code == ' ' || code == 160) continue;
            const auto rows = InkRows(f, code);
            EXPECT_LE(rows.first, rows.second) << "code " << code << " is blank";
        }
    }
}

bool SameBitmap(const FontCase& f, int a, int b) {
    const Glyph ga = GlyphOf(f, a), gb = GlyphOf(f, b);
    return ga.width == gb.width &&
           std::memcmp(ga.rows, gb.rows, size_t(ga.bytesPerRow * f.height)) == 0;
}

TEST(FontTables, WesternPageFontsMarkUnassignedCodesWithOnePlaceholder) {
    for (const FontCase& f : Fonts) {
        if (f.last != 255) continue;
        SCOPED_TRACE(Name(f));
        for (int code : {141, 143, 144, 157}) EXPECT_TRUE(SameBitmap(f, 129, code)) << code;
        for (int code = 128; code <= 255; ++code) {
            if (code == 129 || code == 141 || code == 143 || code == 144 || code == 157) continue;
            EXPECT_FALSE(SameBitmap(f, 129, code)) << code;
        }
        EXPECT_FALSE(SameBitmap(f, 129, 127)); // the empty box is a different sign
        // The no-break space is a space; letters with accents keep their letter's width.
        EXPECT_TRUE(SameBitmap(f, 160, ' '));
        EXPECT_EQ(GlyphOf(f, 196).width, GlyphOf(f, 'A').width);
        EXPECT_EQ(GlyphOf(f, 233).width, GlyphOf(f, 'e').width);
        // The degree sign is a small ring high up in the cell.
        const auto degree = InkRows(f, 176);
        EXPECT_EQ(degree.first, f.capTop);
        EXPECT_LE(degree.second, (f.capTop + f.capBottom) / 2);
    }
}

} // namespace
