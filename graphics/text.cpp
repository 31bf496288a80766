#include "graphics/text.h"

#include <array>
#include <cstring>

#include "graphics/data/fonts.h"

int16_t TextStartX;
int16_t TextEndX;

const uint8_t* FontTableFor(FontId font) {
    switch (font) {
    case 9:
        return Font9;
    case 10:
        return Font10;
    case 12:
        return Font12;
    case 16:
        return Font16;
    case 20:
        return Font20;
    case 24:
        return Font24;
    case 30:
        return Font30;
    case 34:
        return Font34;
    default:
        return Font8;
    }
}

static uint16_t Read16(const uint8_t* p) {
    return uint16_t(p[0] | p[1] << 8);
}

// For each glyph byte, the eight pixels it covers as a byte mask in memory order (leftmost pixel
// first): 0xFF where the bit is set. Lets a glyph that lies wholly on the screen be drawn with
// masked writes of several pixels at a time instead of a test per pixel.
static constexpr std::array<std::array<uint8_t, 8>, 256> ByteMasks = [] {
    std::array<std::array<uint8_t, 8>, 256> masks{};
    for (int b = 0; b < 256; ++b)
        for (int k = 0; k < 8; ++k) masks[size_t(b)][size_t(k)] = (b & (0x80 >> k)) ? 0xFF : 0x00;
    return masks;
}();

// Inks the set bits of one glyph byte at frame index at (eight pixels of one row, all on the
// screen) with one masked write. Pixels under clear bits are written back unchanged.
static inline void DrawByte(uint8_t bits, int at, uint64_t colour8) {
    uint64_t mask, pixels;
    std::memcpy(&mask, ByteMasks[bits].data(), 8);
    std::memcpy(&pixels, FrameBuffer + at, 8);
    pixels = (pixels & ~mask) | (colour8 & mask);
    std::memcpy(FrameBuffer + at, &pixels, 8);
}

// Coordinates are 16-bit and wrap: column pen + c is on the screen exactly when (pen + c) mod 2^16
// is below the screen width. With c at most 255 that is the same as reading pen as a signed
// 16-bit number and asking whether pen + c lies in [0, ScreenWidth), which lets whole glyphs and
// rows off the screen be skipped at once. Pixels are written straight into the frame buffer, with
// exactly the clipping SetPixel applies, so the result is the same pixel for pixel.
void DrawText(uint16_t x, uint16_t y, const char* text, FontId font, TextAlign align,
              ColorIndex colour) {
    const uint8_t* table = FontTableFor(font);
    const uint16_t first = Read16(table + 2);
    const uint16_t last = Read16(table + 4);
    const uint8_t height = table[7];
    const uint8_t* s = reinterpret_cast<const uint8_t*>(text);

    // A code outside first..last has no glyph entry: it draws nothing and advances nothing, so
    // the table is never read outside its entries.
    uint16_t pen = x;
    if (align != AlignLeft) {
        uint16_t total = 0;
        for (const uint8_t* c = s; *c; ++c)
            if (*c >= first && *c <= last)
                total = uint16_t(total + table[8 + 4 * (*c - first) + 1] + 1);
        pen = align == AlignRight ? uint16_t(x - total) : uint16_t(x - (total >> 1));
    }
    TextStartX = int16_t(pen);

    const int top = int16_t(y);
    const int rowFirst = top < 0 ? -top : 0;
    const int rowEnd = ScreenHeight - top < height ? ScreenHeight - top : height;
    const uint64_t colour8 = 0x0101010101010101ull * colour;

    for (; *s; ++s) {
        if (*s < first || *s > last) continue;
        const uint8_t* entry = table + 8 + 4 * (*s - first);
        const uint8_t width = entry[1];
        const int left = int16_t(pen);
        pen = uint16_t(pen + width + 1);
        if (rowFirst >= rowEnd || left >= ScreenWidth || left + width <= 0) continue;

        const uint32_t offset = uint32_t(entry[0]) << 16 | uint32_t(entry[3]) << 8 | entry[2];
        const int bytesPerRow = (width + 7) / 8;
        const uint8_t* row = table + offset + rowFirst * bytesPerRow;
        int line = (top + rowFirst) * ScreenWidth + left;
        if (left >= 0 && left + 8 * bytesPerRow <= ScreenWidth) {
            // All the glyph's bytes are on the screen: one masked write each, no tests per pixel.
            const uint8_t* end = row + (rowEnd - rowFirst) * bytesPerRow;
            switch (bytesPerRow) {
            case 1:
                // Narrow glyphs are mostly blank above and below their ink: skip those rows.
                while (row < end && !row[0]) ++row, line += ScreenWidth;
                while (end > row && !end[-1]) --end;
                for (; row < end; ++row, line += ScreenWidth) DrawByte(row[0], line, colour8);
                break;
            case 2:
                for (; row < end; row += 2, line += ScreenWidth) {
                    DrawByte(row[0], line, colour8);
                    DrawByte(row[1], line + 8, colour8);
                }
                break;
            case 3:
                for (; row < end; row += 3, line += ScreenWidth) {
                    DrawByte(row[0], line, colour8);
                    DrawByte(row[1], line + 8, colour8);
                    DrawByte(row[2], line + 16, colour8);
                }
                break;
            default:
                for (; row < end; row += bytesPerRow, line += ScreenWidth)
                    for (int b = 0; b < bytesPerRow; ++b) DrawByte(row[b], line + 8 * b, colour8);
                break;
            }
            continue;
        }
        // Partly off the screen: bytes wholly on it as above, the others pixel by pixel.
        for (int j = rowFirst; j < rowEnd; ++j, row += bytesPerRow, line += ScreenWidth) {
            for (int b = 0; b < bytesPerRow; ++b) {
                const int x0 = left + 8 * b;
                uint8_t bits = row[b];
                if (x0 >= 0 && x0 + 8 <= ScreenWidth) {
                    DrawByte(bits, line + 8 * b, colour8);
                    continue;
                }
                for (int k = 0; bits; ++k, bits = uint8_t(bits << 1))
                    if ((bits & 0x80) && unsigned(x0 + k) < ScreenWidth)
                        FrameBuffer[line + 8 * b + k] = colour;
            }
        }
    }
    TextEndX = int16_t(pen);
}
