// Decoding run-length pictures into the frame buffer: token kinds, page boundaries, clipping,
// damaged streams, and the eight stored pictures against their pixel-art sources.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "graphics/data/images.h"
#include "graphics/framebuffer.h"
#include "graphics/rle.h"

namespace {

constexpr ColorIndex Untouched = 200; // a colour no test image uses

void FillFrame(ColorIndex colour) {
    memset(FrameBuffer, colour, sizeof FrameBuffer);
}
ColorIndex At(int x, int y) {
    return FrameBuffer[x + y * ScreenWidth];
}

// A hand-made image: header, then the given stream bytes. Kept in a vector of exactly the image's
// size so that the sanitizers see any read past its end.
struct TestImage {
    std::vector<uint8_t> Bytes;
    TestImage(uint16_t width, uint16_t height, std::vector<uint8_t> stream) {
        Bytes = {uint8_t(width), uint8_t(width >> 8), uint8_t(height), uint8_t(height >> 8)};
        for (uint8_t b : stream) Bytes.push_back(b);
    }
    RleImage Image() const { return {Bytes.data(), uint32_t(Bytes.size())}; }
};

void Append(std::vector<uint8_t>& v, std::initializer_list<uint8_t> bytes) {
    v.insert(v.end(), bytes);
}

// Row 0 as drawn at (0, 0), up to and including column last.
std::vector<ColorIndex> Row(int y, int last) {
    return std::vector<ColorIndex>(FrameBuffer + y * ScreenWidth,
                                   FrameBuffer + y * ScreenWidth + last + 1);
}

TEST(RleDecode, CountByteLastOnAPageTakesItsColourFromTheNext) {
    // A literal of 126 fills stream bytes 0-126, so the run's count byte is byte 127.
    std::vector<uint8_t> stream = {126};
    for (int i = 0; i < 126; ++i) stream.push_back(uint8_t(1 + i % 5));
    Append(stream, {0x80 | 4, 7});
    ASSERT_EQ(stream.size(), 129u);
    const TestImage img(130, 1, stream);
    FillFrame(Untouched);
    DrawRleImage(0, 0, img.Image());
    for (int x = 0; x < 126; ++x) EXPECT_EQ(At(x, 0), 1 + x % 5) << x;
    for (int x = 126; x < 130; ++x) EXPECT_EQ(At(x, 0), 7) << x;
    EXPECT_EQ(At(130, 0), Untouched);
    EXPECT_EQ(At(0, 1), Untouched);
}

TEST(RleDecode, LiteralSpansTwoPages) {
    // Sixty runs take stream bytes 0-119; the literal of 20 starts at 120 and ends at 140.
    std::vector<uint8_t> stream;
    for (int i = 0; i < 60; ++i) Append(stream, {0x81, uint8_t(i)});
    stream.push_back(20);
    for (int i = 0; i < 20; ++i) stream.push_back(uint8_t(100 + i));
    const TestImage img(80, 1, stream);
    FillFrame(Untouched);
    DrawRleImage(0, 0, img.Image());
    for (int x = 0; x < 60; ++x) EXPECT_EQ(At(x, 0), x) << x;
    for (int x = 60; x < 80; ++x) EXPECT_EQ(At(x, 0), 100 + x - 60) << x;
    EXPECT_EQ(At(80, 0), Untouched);
}

TEST(RleDecode, EmptyTokensDrawNothingAndTheRowGoesOn) {
    // Row 0: an empty run (its colour byte is consumed), an empty literal, then 3 pixels.
    // Row 1: an empty literal first, then the row's pixels.
    const TestImage img(3, 2, {0x80, 9, 0, 0x82, 5, 1, 6, 0, 3, 1, 2, 3});
    FillFrame(Untouched);
    DrawRleImage(10, 20, img.Image());
    EXPECT_EQ(At(9, 20), Untouched);
    EXPECT_EQ(std::vector<ColorIndex>(FrameBuffer + 20 * 160 + 10, FrameBuffer + 20 * 160 + 14),
              (std::vector<ColorIndex>{5, 5, 6, Untouched}));
    EXPECT_EQ(std::vector<ColorIndex>(FrameBuffer + 21 * 160 + 10, FrameBuffer + 21 * 160 + 14),
              (std::vector<ColorIndex>{1, 2, 3, Untouched}));
}

TEST(RleDecode, TokenPastTheWidthDrawsOnTheSameRow) {
    // Width 4: a run of 6 overshoots by two pixels; the next row starts at column 0.
    const TestImage img(4, 2, {0x82, 1, 0x86, 3, 2, 4, 5, 0x82, 6});
    FillFrame(Untouched);
    DrawRleImage(0, 0, img.Image());
    EXPECT_EQ(Row(0, 8), (std::vector<ColorIndex>{1, 1, 3, 3, 3, 3, 3, 3, Untouched}));
    EXPECT_EQ(Row(1, 4), (std::vector<ColorIndex>{4, 5, 6, 6, Untouched}));
}

TEST(RleDecode, StopsWhereTheStreamEnds) {
    // The stream claims 3 rows of 4 but holds one and a half; the last literal is cut short.
    const TestImage img(4, 3, {0x84, 2, 4, 7, 7});
    FillFrame(Untouched);
    DrawRleImage(0, 0, img.Image());
    EXPECT_EQ(Row(0, 4), (std::vector<ColorIndex>{2, 2, 2, 2, Untouched}));
    EXPECT_EQ(Row(1, 4), (std::vector<ColorIndex>{7, 7, Untouched, Untouched, Untouched}));
    EXPECT_EQ(At(0, 2), Untouched);
}

TEST(RleDecode, StopsWhereALongStreamEndsOnItsLastPage) {
    // 200 stream bytes for rows that would need more: the second page holds only 72 of them.
    std::vector<uint8_t> stream;
    for (int i = 0; i < 100; ++i) Append(stream, {0x85, uint8_t(i)});
    const TestImage img(10, 100, stream);
    FillFrame(Untouched);
    DrawRleImage(0, 0, img.Image());
    EXPECT_EQ(At(0, 49), 98);
    EXPECT_EQ(At(9, 49), 99);
    EXPECT_EQ(At(0, 50), Untouched);
}

TEST(RleDecode, DamagedHeadersDrawNothing) {
    const TestImage cases[] = {
        TestImage(0, 5, {0x85, 1, 0x85, 1}),
        TestImage(5, 0, {0x85, 1}),
        TestImage(5, 5, {}),
    };
    for (const TestImage& c : cases) {
        FillFrame(Untouched);
        DrawRleImage(0, 0, c.Image());
        EXPECT_EQ(At(0, 0), Untouched);
    }
    const uint8_t shortHeader[] = {5, 0, 5};
    FillFrame(Untouched);
    DrawRleImage(0, 0, RleImage{shortHeader, sizeof shortHeader});
    DrawRleImage(0, 0, RleImage{nullptr, 0});
    EXPECT_EQ(At(0, 0), Untouched);
}

// ---- the stored pictures against their sources

struct Picture {
    const char* File;
    const RleImage* Image;
    std::set<int> Colours;
};

const Picture Pictures[] = {
    {"exclamation", &ImgExclamation, {0, 9, 15}},
    {"question", &ImgQuestion, {0, 9, 15}},
    {"alt_setup", &ImgAltSetup, {0, 7, 15}},
    {"vsi_setup", &ImgVsiSetup, {0, 13, 15}},
    {"asi_setup", &ImgAsiSetup, {0, 9, 10, 11, 15}},
    {"timers_setup", &ImgTimersSetup, {0, 8, 11, 15}},
    {"misc_setup", &ImgMiscSetup, {0, 7, 8, 9, 10, 11}},
    {"adc_values", &ImgAdcValues, {0, 9, 10, 11}},
};

// The pixel-art source: "//" comments, "c = N" legend lines, then rows of characters.
std::vector<std::vector<int>> ReadPictureSource(const std::string& name) {
    std::ifstream in(std::string(KDR7_SOURCE_DIR) + "/graphics/pictures/" + name + ".txt");
    std::map<char, int> legend;
    std::vector<std::vector<int>> rows;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line.compare(0, 2, "//") == 0) continue;
        if (line.size() >= 5 && line.size() <= 7 && line.compare(1, 3, " = ") == 0) {
            legend[line[0]] = std::stoi(line.substr(4));
            continue;
        }
        std::vector<int> row;
        for (char c : line) row.push_back(legend.count(c) ? legend[c] : -1);
        rows.push_back(row);
    }
    return rows;
}

TEST(RlePictures, DecodeToTheirSourcesInTheirOwnColours) {
    for (const Picture& p : Pictures) {
        SCOPED_TRACE(p.File);
        const std::vector<std::vector<int>> source = ReadPictureSource(p.File);
        ASSERT_EQ(source.size(), 50u);
        FillFrame(Untouched);
        DrawRleImage(0, 0, *p.Image);
        std::set<int> used;
        int mismatches = 0;
        for (int y = 0; y < 50; ++y) {
            ASSERT_EQ(source[size_t(y)].size(), 50u) << "row " << y;
            for (int x = 0; x < 50; ++x) {
                used.insert(At(x, y));
                if (At(x, y) != source[size_t(y)][size_t(x)] && ++mismatches <= 5)
                    ADD_FAILURE() << "pixel (" << x << ", " << y << ")";
            }
            // No token runs past a row: nothing right of the picture is touched.
            EXPECT_EQ(At(50, y), Untouched) << "row " << y;
        }
        EXPECT_EQ(mismatches, 0);
        EXPECT_EQ(used, p.Colours);
        EXPECT_EQ(At(0, 50), Untouched);
    }
}

// Every row's tokens add up to the width exactly and the stream ends with the last row.
TEST(RlePictures, RowsEndExactlyAtTheWidthAndTheStreamAtTheLastRow) {
    for (const Picture& p : Pictures) {
        SCOPED_TRACE(p.File);
        const uint8_t* d = p.Image->Data;
        ASSERT_EQ(d[0] | d[1] << 8, 50);
        ASSERT_EQ(d[2] | d[3] << 8, 50);
        uint32_t pos = 4;
        for (int row = 0; row < 50; ++row) {
            int col = 0;
            while (col < 50) {
                ASSERT_LT(pos, p.Image->Size) << "row " << row;
                const uint8_t n = d[pos++];
                if (n >= 128) {
                    col += n - 128;
                    pos += 1;
                } else {
                    col += n;
                    pos += n;
                }
            }
            EXPECT_EQ(col, 50) << "row " << row;
        }
        EXPECT_EQ(pos, p.Image->Size);
    }
}

TEST(RlePictures, ClippedAtTheBottomRightCorner) {
    const std::vector<std::vector<int>> source = ReadPictureSource("question");
    ASSERT_EQ(source.size(), 50u);
    FillFrame(Untouched);
    DrawRleImage(150, 100, ImgQuestion);
    for (int y = 0; y < ScreenHeight; ++y)
        for (int x = 0; x < ScreenWidth; ++x) {
            const bool inside = x >= 150 && y >= 100;
            const int expected = inside ? source[size_t(y - 100)][size_t(x - 150)] : Untouched;
            ASSERT_EQ(At(x, y), expected) << x << ", " << y;
        }
}

TEST(RleDecode, ClippedLeftOfTheScreen) {
    // At x = -2 (65534 as a screen coordinate) the first two columns fall off the left edge.
    std::vector<uint8_t> stream = {5, 1, 2, 3, 4, 5, 0x85, 6};
    const TestImage img(10, 1, stream);
    FillFrame(Untouched);
    DrawRleImage(uint16_t(-2), 0, img.Image());
    EXPECT_EQ(Row(0, 8), (std::vector<ColorIndex>{3, 4, 5, 6, 6, 6, 6, 6, Untouched}));
    EXPECT_EQ(At(159, 0), Untouched);
    EXPECT_EQ(At(158, 0), Untouched);
}

TEST(RlePictures, OpaqueOverWhatWasThere) {
    // The icon replaces everything in its square, writing black where it is black.
    FillFrame(ClrWhite);
    DrawRleImage(10, 41, ImgAltSetup);
    int black = 0;
    for (int y = 41; y < 91; ++y)
        for (int x = 10; x < 60; ++x) black += At(x, y) == ClrBlack;
    EXPECT_GT(black, 1000);
    EXPECT_EQ(At(9, 41), ClrWhite);
    EXPECT_EQ(At(60, 41), ClrWhite);
    EXPECT_EQ(At(10, 40), ClrWhite);
    EXPECT_EQ(At(10, 91), ClrWhite);
    // The same picture at (10, 41) over a black frame leaves the same square.
    std::vector<ColorIndex> overWhite(FrameBuffer, FrameBuffer + sizeof FrameBuffer);
    FillFrame(ClrBlack);
    DrawRleImage(10, 41, ImgAltSetup);
    for (int y = 41; y < 91; ++y)
        for (int x = 10; x < 60; ++x) ASSERT_EQ(At(x, y), overWhite[size_t(x + y * 160)]);
}

} // namespace
