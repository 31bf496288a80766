// Draws every glyph of the nine built-in font tables on one PNG sheet, for looking at them.
//
//   kdr7-fontsheet OUT.png [SCALE]
//
// Each font gets a block of rows of 16 codes. A glyph's cell (its width by the font's height) is
// shaded, the ink is white, and the rows of capitals and digits are marked at the cell's left.
// Under each block a few strings are drawn through DrawText exactly as the screens draw them.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "graphics/framebuffer.h"
#include "graphics/text.h"
#include "png.h"

namespace {

struct SheetFont {
    FontId id;
    int capTop, capBottom;
    const char* sample;
};

const SheetFont Fonts[] = {
    {8, 3, 12, "MENU 25\xb0 \xc4\xd6 Qypgj \x0b\x0d"},
    {9, 3, 14, "1013.25 mb Qypgj"},
    {10, 4, 17, "WARNING \xc4\xe9\xf1\xdf"},
    {12, 4, 18, "Tovek ERROR"},
    {16, 6, 25, "DONE 12 ft"},
    {20, 7, 31, "-12,345.0"},
    {24, 9, 39, "12345"},
    {30, 11, 48, "+678"},
    {34, 13, 56, "90%"},
};

struct Sheet {
    int width, height;
    std::vector<uint8_t> rgb;
    void Put(int x, int y, uint32_t c) {
        if (x < 0 || y < 0 || x >= width || y >= height) return;
        uint8_t* p = &rgb[(size_t(y) * width + x) * 3];
        p[0] = uint8_t(c >> 16);
        p[1] = uint8_t(c >> 8);
        p[2] = uint8_t(c);
    }
};

uint16_t Read16(const uint8_t* p) {
    return uint16_t(p[0] | p[1] << 8);
}

const uint32_t Background = 0x000000;
const uint32_t CellShade = 0x283848;
const uint32_t CapMark = 0x806020;
const uint32_t Ink = 0xFFFFFF;

// One glyph straight from the table (code 0 cannot be reached through a string).
void DrawGlyph(Sheet& s, const uint8_t* table, int code, int x, int y, const SheetFont& f) {
    const int first = Read16(table + 2);
    const int height = table[7];
    const uint8_t* e = table + 8 + 4 * (code - first);
    const int width = e[1];
    const uint32_t offset = uint32_t(e[0]) << 16 | uint32_t(e[3]) << 8 | e[2];
    const uint8_t* rows = table + offset;
    const int bytes = (width + 7) / 8;
    for (int j = 0; j < height; ++j)
        for (int i = 0; i < width; ++i) {
            const bool set = rows[j * bytes + i / 8] & (0x80 >> (i % 8));
            s.Put(x + i, y + j, set ? Ink : CellShade);
        }
    for (int j = f.capTop; j <= f.capBottom; ++j) s.Put(x - 1, y + j, CapMark);
}

// A string drawn by the renderer into the frame buffer, copied onto the sheet.
void DrawSample(Sheet& s, const SheetFont& f, int x, int y) {
    ClearFrame();
    DrawText(0, 0, f.sample, f.id, AlignLeft, ClrWhite);
    const int height = FontTableFor(f.id)[7];
    for (int j = 0; j < height && j < ScreenHeight; ++j)
        for (int i = 0; i < ScreenWidth; ++i)
            if (FrameBuffer[j * ScreenWidth + i]) s.Put(x + i, y + j, Ink);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: kdr7-fontsheet OUT.png [SCALE]\n");
        return 2;
    }
    const int scale = argc == 3 ? std::max(1, std::atoi(argv[2])) : 1;
    const int perRow = 16, gap = 4;

    // Lay the blocks out first to know the sheet's size.
    int sheetWidth = 0, sheetHeight = gap;
    for (const SheetFont& f : Fonts) {
        const uint8_t* t = FontTableFor(f.id);
        const int first = Read16(t + 2), last = Read16(t + 4), height = t[7];
        int widest = 0;
        for (int c = first; c <= last; ++c) widest = std::max<int>(widest, t[9 + 4 * (c - first)]);
        const int rows = (last - first) / perRow + 1;
        sheetWidth = std::max(sheetWidth, gap + perRow * (widest + gap));
        sheetWidth = std::max(sheetWidth, gap + ScreenWidth);
        sheetHeight += rows * (height + gap) + height + 3 * gap;
    }
    Sheet s{sheetWidth, sheetHeight, std::vector<uint8_t>(size_t(sheetWidth) * sheetHeight * 3)};
    for (int y = 0; y < s.height; ++y)
        for (int x = 0; x < s.width; ++x) s.Put(x, y, Background);

    int y = gap;
    for (const SheetFont& f : Fonts) {
        const uint8_t* t = FontTableFor(f.id);
        const int first = Read16(t + 2), last = Read16(t + 4), height = t[7];
        int widest = 0;
        for (int c = first; c <= last; ++c) widest = std::max<int>(widest, t[9 + 4 * (c - first)]);
        for (int c = first; c <= last; ++c) {
            const int k = c - first;
            DrawGlyph(s, t, c, gap + (k % perRow) * (widest + gap),
                      y + (k / perRow) * (height + gap), f);
        }
        y += ((last - first) / perRow + 1) * (height + gap) + gap;
        DrawSample(s, f, gap, y);
        y += height + 2 * gap;
        for (int x = 0; x < s.width; ++x) s.Put(x, y - gap, 0x404040);
    }

    Sheet out{s.width * scale, s.height * scale,
              std::vector<uint8_t>(size_t(s.width) * s.height * scale * scale * 3)};
    for (int j = 0; j < out.height; ++j)
        for (int i = 0; i < out.width; ++i)
            std::memcpy(&out.rgb[(size_t(j) * out.width + i) * 3],
                        &s.rgb[(size_t(j / scale) * s.width + i / scale) * 3], 3);
    if (!WritePngRgb(argv[1], out.width, out.height, out.rgb)) {
        std::fprintf(stderr, "kdr7-fontsheet: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
