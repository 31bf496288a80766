#include "shell/frame_rgb.h"

#include "graphics/framebuffer.h"
#include "shell/core/palette.h"

namespace {

struct RgbTable {
    uint8_t Entry[256][3];
    RgbTable() : Entry{} {
        for (int i = 0; i < PaletteSize; ++i) {
            Entry[i][0] = uint8_t(Palette[i] >> 16);
            Entry[i][1] = uint8_t(Palette[i] >> 8);
            Entry[i][2] = uint8_t(Palette[i]);
        }
    }
};

} // namespace

void ExpandFrameToRgb(const uint8_t* frame, uint8_t* rgb) {
    static const RgbTable table;
    for (int i = 0; i < ScreenWidth * ScreenHeight; ++i) {
        const uint8_t* colour = table.Entry[frame[i]];
        rgb[0] = colour[0];
        rgb[1] = colour[1];
        rgb[2] = colour[2];
        rgb += 3;
    }
}
