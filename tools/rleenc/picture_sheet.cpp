// Draws the eight stored pictures through the decoder, each with its name, onto one PNG sheet
// for looking at them: picture_sheet OUT.png
#include <cstdio>
#include <vector>

#include "graphics/data/images.h"
#include "graphics/framebuffer.h"
#include "graphics/text.h"
#include "png.h"
#include "shell/core/palette.h"

namespace {

struct Entry {
    const char* Name;
    const RleImage* Image;
};

const Entry Entries[] = {
    {"ImgExclamation", &ImgExclamation}, {"ImgQuestion", &ImgQuestion},
    {"ImgAltSetup", &ImgAltSetup},       {"ImgVsiSetup", &ImgVsiSetup},
    {"ImgAsiSetup", &ImgAsiSetup},       {"ImgTimersSetup", &ImgTimersSetup},
    {"ImgMiscSetup", &ImgMiscSetup},     {"ImgAdcValues", &ImgAdcValues},
};

constexpr int CellW = 110, CellH = 72, Columns = 4, Rows = 2, Scale = 2;
constexpr int PicX = 30, PicY = 2;

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: picture_sheet OUT.png\n");
        return 2;
    }
    const int w = CellW * Columns * Scale, h = CellH * Rows * Scale;
    std::vector<uint8_t> rgb(size_t(w) * h * 3, 0);
    for (int k = 0; k < Columns * Rows; ++k) {
        ClearFrame();
        DrawRleImage(PicX, PicY, *Entries[k].Image);
        DrawText(CellW / 2, 55, Entries[k].Name + 3, 8, AlignCentre, ClrGrey); // without "Img"
        const int ox = (k % Columns) * CellW, oy = (k / Columns) * CellH;
        for (int y = 0; y < CellH * Scale; ++y)
            for (int x = 0; x < CellW * Scale; ++x) {
                const ColorIndex c = FrameBuffer[x / Scale + (y / Scale) * ScreenWidth];
                // A faint frame around each picture shows its 50 x 50 square.
                const int px = x / Scale - PicX, py = y / Scale - PicY;
                const bool edge = (px == -1 || px == 50) && py >= -1 && py <= 50;
                const bool edgeRow = (py == -1 || py == 50) && px >= -1 && px <= 50;
                const uint32_t v = edge || edgeRow ? 0x303048 : Palette[c];
                uint8_t* p = &rgb[(size_t(oy * Scale + y) * w + size_t(ox * Scale + x)) * 3];
                p[0] = uint8_t(v >> 16);
                p[1] = uint8_t(v >> 8);
                p[2] = uint8_t(v);
            }
    }
    if (!WritePngRgb(argv[1], w, h, rgb)) {
        fprintf(stderr, "picture_sheet: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
