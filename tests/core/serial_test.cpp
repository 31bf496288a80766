// Altitude-encoder sentences: the six formats byte for byte, and what the run loop sends while
// the flight display or the encoder test is showing.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "driver.h"
#include "instrument/airdata.h"
#include "instrument/home.h"
#include "instrument/settings.h"
#include "menus/screen_machine.h"
#include "menus/screens.h"
#include "shell/core/run_loop.h"
#include "shell/core/serial.h"

namespace {

struct SentenceCase {
    uint8_t protocol;
    int32_t altitude;
    int32_t auxAltitude;
    uint32_t baro;
    int16_t verticalSpeed;
    std::string text;
};

std::string Built(const SentenceCase& c) {
    PowerOnSequence();
    CurrentScreen = HomeScreen;
    Settings.SerialProtocol = c.protocol;
    AirData.PressureAltitude = c.altitude;
    AirData.AuxAltitude = c.auxAltitude;
    Settings.BaroSetting = c.baro;
    AirData.VerticalSpeed = c.verticalSpeed;
    BuildEncoderSentence();
    AirData.PressureAltitude = 0;
    AirData.AuxAltitude = 0;
    AirData.VerticalSpeed = 0;
    return SerialLine;
}

TEST(SerialSentence, EachFormatByteForByte) {
    const SentenceCase cases[] = {
        {0, 0, 0, 1013250, 0, "#AL +00000T+25D1\r"},
        {0, -1000, 0, 1013250, 0, "#AL -01000T+25D4\r"},
        {0, INT32_MAX, 0, 1013250, 0, "#AL +2147483647T+25EF\r"},
        {1, 123456, 0, 1013250, 0, "$ZVK+123456T+2565\r"},
        {1, -42, 0, 1013250, 0, "$ZVK-00042T+2528\r"},
        {2, -1000, 0, 1013250, 0, "ALT -1000\r"},
        {3, -1000, 0, 1013250, 0, "ALT -1000\r"},
        {2, 800, 0, 1013250, 0, "ALT 00800\r"},
        {3, 800, 0, 1013250, 0, "ALT 00800\r"},
        {2, 123456, 0, 1013250, 0, "ALT 123456\r"},
        {4, 0, 0, 1013250, 0, "ALT+00000C+00000L1013+0000XAE\r"},
        {4, 0, 0, 1013250, -500, "ALT+00000C+00000L1013-0500XB5\r"},
        {4, 30800, 7, 940999, 6000, "ALT+30800C+00007L0940+6000XCE\r"},
        {4, INT32_MIN, INT32_MIN, UINT32_MAX, INT16_MIN,
         "ALT-2147483648C-2147483648L4294967-32768XF0\r"},
        {5, 30800, 0, 1013250, 0,
         "\x02"
         "a=30800\x03"},
        {5, -5, 0, 1013250, 0,
         "\x02"
         "a=-0005\x03"},
    };
    for (const SentenceCase& c : cases)
        EXPECT_EQ(Built(c), c.text) << "format " << int(c.protocol) << ", A " << c.altitude;
}

TEST(SerialSentence, ByteSumIsTheSumOfTheBytesModulo256) {
    EXPECT_EQ(ByteSum(""), 0);
    EXPECT_EQ(ByteSum("A"), 65);
    EXPECT_EQ(ByteSum("\xff\x02"), 1);
    EXPECT_EQ(ByteSum("#AL +00000T+25"), 0xD1);
}

void Drive(HeadlessSession& s, std::initializer_list<std::string> commands) {
    for (const std::string& command : commands) {
        std::string err;
        if (!HeadlessCommand(s, command, err)) ADD_FAILURE() << command << ": " << err;
    }
}

// Power-on, then SERIAL OUT on through ALTITUDE SETUP and the chosen format, and back home.
void SerialOnHome(HeadlessSession& s, int protocolClicks) {
    Drive(s, {"on", "asi 0", "vsi 0"});
    HomePage = 0;
    MenuState.TopRow = 0;
    Drive(s, {"knob", "knob", "-", "knob", "+", "knob", "+", "knob"});
    for (int i = 0; i < protocolClicks; ++i) Drive(s, {"+"});
    Drive(s, {"knob", "left", "left", "frames 1"});
    ASSERT_EQ(CurrentScreen, HomeScreen);
    ASSERT_EQ(Settings.SerialOut, 1);
    s.Comms.clear();
}

TEST(SerialSentence, TheFlightDisplaySendsAltitudeZeroWithTheLiveBaroAndVerticalSpeed) {
    HeadlessSession s;
    SerialOnHome(s, 4);
    Drive(s, {"alt 5000", "vsi -500", "frames 1", "+", "frames 1"});
    ASSERT_EQ(s.Comms.size(), 3u);
    EXPECT_EQ(s.Comms[0], "ALT+00000C+00000L1013-0500XB5\r");
    EXPECT_EQ(s.Comms[2], "ALT+00000C+00000L1014-0500XB6\r") << "the baro step shows next";
}

TEST(SerialSentence, TheEncoderTestSwitchesTheVerySentenceAfterTheKnob) {
    HeadlessSession s;
    SerialOnHome(s, 4);
    Drive(s, {"+", "vsi 300"});              // baro 1014 mb
    Drive(s, {"knob", "knob", "-", "knob"}); // ALT SETUP, TEST ALT ENCODER, the warning
    s.Comms.clear();
    Drive(s, {"knob"}); // handled by the warning: this frame's sentence is still the live one
    Drive(s, {"frames 1", "+", "frames 1"});
    ASSERT_EQ(s.Comms.size(), 4u);
    EXPECT_EQ(s.Comms[0], "ALT+00000C+00000L1014+0300XB2\r");
    EXPECT_EQ(s.Comms[1], "ALT-01000C-01000L1013+0000XB4\r");
    EXPECT_EQ(s.Comms[2], "ALT-01000C-01000L1013+0000XB4\r");
    EXPECT_EQ(s.Comms[3], "ALT-00900C-00900L1013+0000XC4\r");

    s.Comms.clear();
    Drive(s, {"left", "frames 1"});
    ASSERT_EQ(s.Comms.size(), 2u);
    EXPECT_EQ(s.Comms[0], "ALT-00900C-00900L1013+0000XC4\r");
    EXPECT_EQ(s.Comms[1], "ALT+00000C+00000L1014+0300XB2\r") << "back to the live values";
}

TEST(SerialSentence, TheLastSentenceStaysWhenSerialOutStopsAndOverPowerOn) {
    HeadlessSession s;
    SerialOnHome(s, 0);
    Drive(s, {"frames 1"});
    ASSERT_EQ(std::string(SerialLine), "#AL +00000T+25D1\r");
    Drive(s, {"off", "on", "frames 3"});
    EXPECT_EQ(Settings.SerialOut, 0);
    EXPECT_EQ(s.Comms.size(), 1u);
    EXPECT_EQ(std::string(SerialLine), "#AL +00000T+25D1\r");
}

} // namespace
