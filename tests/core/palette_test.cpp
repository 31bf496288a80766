// The display palette against the four groups it is built from.
#include <gtest/gtest.h>

#include "shell/core/palette.h"

namespace {

uint32_t Rgb(uint32_t r, uint32_t g, uint32_t b) {
    return r << 16 | g << 8 | b;
}

TEST(Palette, FollowsBaseColoursCubeGreysAndTints) {
    const uint32_t base[16] = {0x000000, 0xa52a2a, 0x008000, 0x504000, 0x000080, 0x500080,
                               0x008080, 0x555555, 0xaaaaaa, 0xff0000, 0x00ff00, 0xffff00,
                               0x0000ff, 0xff00ff, 0x00ffff, 0xffffff};
    for (int i = 0; i < 16; ++i) EXPECT_EQ(Palette[i], base[i]) << i;

    const uint32_t green[5] = {0x00, 0x40, 0x80, 0xc0, 0xff}, blue[3] = {0x00, 0x80, 0xff};
    for (int r = 0; r <= 13; ++r)
        for (int g = 0; g <= 4; ++g)
            for (int b = 0; b <= 2; ++b) {
                const int index = 15 + 15 * r + 3 * g + b;
                if (index == 15 || index == 224) continue; // base white and first grey
                const uint32_t red = r == 13 ? 0xff : uint32_t(20 * r);
                EXPECT_EQ(Palette[index], Rgb(red, green[g], blue[b])) << index;
            }

    for (int i = 0; i < 14; ++i) EXPECT_EQ(Palette[224 + i], 0x202020u + 0x101010u * i) << i;
    const uint32_t tints[8] = {0xc89696, 0xd3a5a5, 0xd9b3b3, 0xe5c2c2,
                               0xefd5d5, 0xf7e7e7, 0xf5fafa, 0xfcfdfd};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(Palette[238 + i], tints[i]) << i;
}

TEST(Palette, OnlyEntryZeroIsBlackAndTheNamedColoursAreRight) {
    for (int i = 1; i < PaletteSize; ++i) EXPECT_NE(Palette[i], 0u) << i;
    EXPECT_EQ(Palette[15], 0xffffffu);
    EXPECT_EQ(Palette[229], 0x707070u);
    EXPECT_EQ(Palette[9], 0xff0000u);
}

} // namespace
