// The headless driver's script language and its screenshots.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>

#include <zlib.h>

#include "driver.h"
#include "graphics/framebuffer.h"
#include "instrument/airdata.h"
#include "menus/screen_machine.h"

namespace {

TEST(HeadlessDriver, WrongLinesStopWithTheirNumberAndWhatWasExpected) {
    const struct {
        const char* script;
        const char* error;
    } cases[] = {
        {"on\nfly\n", "line 2: unknown command 'fly'"},
        {"asi 5000\n", "line 1: expected a whole number from 0 to 4096, got '5000'"},
        {"vsi -6001\n", "line 1: expected a whole number from -6000 to 6000"},
        {"\n# comment\nalt x\n", "line 3: expected a whole number from 0 to 65535, got 'x'"},
        {"sensor maybe\n", "line 1: expected 'sensor on' or 'sensor off'"},
        {"knob 3\n", "line 1: 'knob' takes no argument"},
        {"frames 2 3\n", "line 1: unexpected '3'"},
        {"shot\n", "line 1: expected 'shot FILE.png'"},
    };
    for (const auto& c : cases) {
        HeadlessSession s;
        std::istringstream in(c.script);
        std::string error;
        EXPECT_FALSE(HeadlessScript(s, in, error)) << c.script;
        EXPECT_EQ(error.rfind(c.error, 0), 0u) << "got: " << error;
    }
}

TEST(HeadlessDriver, SensorsFeedTheAirDataAndBezelCommandsLatchOnlyOneEvent) {
    HeadlessSession s;
    std::istringstream in("asi 2000\nalt 65535\nvsi -6000\n");
    std::string error;
    ASSERT_TRUE(HeadlessScript(s, in, error)) << error;
    EXPECT_EQ(AirData.AsiRaw, 2000);
    EXPECT_EQ(AirData.Altitude, 65535);
    EXPECT_EQ(AirData.VerticalSpeed, -6000);

    // While off, nothing consumes the event: the second press is dropped.
    PendingEvent = EvNone;
    ASSERT_TRUE(HeadlessCommand(s, "right", error));
    ASSERT_TRUE(HeadlessCommand(s, "knob", error));
    EXPECT_EQ(PendingEvent, EvRightKey);
    ASSERT_TRUE(HeadlessCommand(s, "on", error)); // power-on clears it
    EXPECT_EQ(PendingEvent, EvNone);
}

TEST(HeadlessDriver, ShotWritesTheDisplayInPaletteColours) {
    HeadlessSession s;
    s.BaseDir = KDR7_BINARY_DIR;
    std::string error;
    ASSERT_TRUE(HeadlessCommand(s, "scale 1", error)) << error;
    ClearFrame();
    SetPixel(3, 2, ClrRed);
    ASSERT_TRUE(HeadlessCommand(s, "shot headless_shot.png", error)) << error;

    std::ifstream f(std::string(KDR7_BINARY_DIR) + "/headless_shot.png", std::ios::binary);
    std::string png((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    ASSERT_GT(png.size(), 8u + 25 + 12);
    EXPECT_EQ(png.substr(1, 3), "PNG");
    const size_t idat = png.find("IDAT");
    ASSERT_NE(idat, std::string::npos);
    const uint32_t length = uint32_t(uint8_t(png[idat - 4])) << 24 |
                            uint32_t(uint8_t(png[idat - 3])) << 16 |
                            uint32_t(uint8_t(png[idat - 2])) << 8 | uint8_t(png[idat - 1]);
    std::vector<uint8_t> raw(120 * (1 + 160 * 3));
    uLongf rawSize = uLongf(raw.size());
    ASSERT_EQ(uncompress(raw.data(), &rawSize,
                         reinterpret_cast<const Bytef*>(png.data() + idat + 4), length),
              Z_OK);
    ASSERT_EQ(rawSize, raw.size());
    const uint8_t* row2 = &raw[2 * (1 + 160 * 3) + 1]; // after the row's filter byte
    EXPECT_EQ(row2[3 * 3], 0xff);                       // (3, 2) red
    EXPECT_EQ(row2[3 * 3 + 1], 0x00);
    EXPECT_EQ(row2[2 * 3], 0x00); // (2, 2) black
}

} // namespace
