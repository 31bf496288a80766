#include "shell/frame_rgb.h"

#include "graphics/framebuffer.h"
#include "shell/core/palette.h"

namespace {

struct ArgbTable {
    uint32_t Entry[256];
    ArgbTable() : Entry{} {
        for (int i = 0; i < 256; ++i) Entry[i] = 0xFF000000u | (i < PaletteSize ? Palette[i] : 0);
    }
};

} // namespace

void ExpandFrameToArgb(const uint8_t* frame, uint32_t* argb) {
    static const ArgbTable table;
    for (int i = 0; i < ScreenWidth * ScreenHeight; ++i) argb[i] = table.Entry[frame[i]];
}
