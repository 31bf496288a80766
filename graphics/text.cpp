#include "graphics/text.h"

#include "graphics/data/fonts.h"

int16_t TextStartX;
int16_t TextEndX;

const uint8_t* FontTableFor(FontId font) {
    switch (font) {
    case 9: return Font9;
    case 10: return Font10;
    case 12: return Font12;
    case 16: return Font16;
    case 20: return Font20;
    case 24: return Font24;
    case 30: return Font30;
    case 34: return Font34;
    default: return Font8;
    }
}

static uint16_t Read16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }

// A character outside the font's code range has no glyph entry: it draws nothing and advances
// nothing, so the table is never read outside its entries.
static bool HasGlyph(const uint8_t* table, uint8_t code) {
    return code >= Read16(table + 2) && code <= Read16(table + 4);
}

static const uint8_t* GlyphEntry(const uint8_t* table, uint8_t code) {
    return table + 8 + 4 * (code - Read16(table + 2));
}

void DrawText(uint16_t x, uint16_t y, const char* text, FontId font, TextAlign align,
              ColorIndex colour) {
    const uint8_t* table = FontTableFor(font);
    const uint8_t height = table[7];
    const uint8_t* s = reinterpret_cast<const uint8_t*>(text);

    uint16_t pen = x;
    if (align != AlignLeft) {
        uint16_t total = 0;
        for (const uint8_t* c = s; *c; ++c)
            if (HasGlyph(table, *c)) total = uint16_t(total + GlyphEntry(table, *c)[1] + 1);
        pen = align == AlignRight ? uint16_t(x - total) : uint16_t(x - (total >> 1));
    }
    TextStartX = int16_t(pen);

    for (; *s; ++s) {
        if (!HasGlyph(table, *s)) continue;
        const uint8_t* entry = GlyphEntry(table, *s);
        const uint8_t width = entry[1];
        const uint32_t offset = uint32_t(entry[0]) << 16 | uint32_t(entry[3]) << 8 | entry[2];
        const uint8_t bytesPerRow = uint8_t((width + 7) / 8);
        const uint8_t* row = table + offset;
        for (uint8_t j = 0; j < height; ++j, row += bytesPerRow) {
            for (uint8_t b = 0; b < bytesPerRow; ++b) {
                uint8_t bits = row[b];
                for (uint8_t k = 0; bits; ++k, bits = uint8_t(bits << 1))
                    if (bits & 0x80) SetPixel(uint16_t(pen + 8 * b + k), uint16_t(y + j), colour);
            }
        }
        pen = uint16_t(pen + width + 1);
    }
    TextEndX = int16_t(pen);
}
