// From the airspeed sensor's reading to the number shown, the remembered maximum and the alarm.
#include <gtest/gtest.h>

#include <string>

#include "driver.h"
#include "instrument/airdata.h"
#include "instrument/flight_timer.h"
#include "instrument/home.h"
#include "instrument/settings.h"
#include "menus/screen_machine.h"
#include "shell/core/run_loop.h"

namespace {

void PowerOn() {
    PowerOnSequence();
    AirData.AsiRaw = 0;
    AirData.AsiFilterAcc = 0;
    HomePage = 0;
}

uint16_t AirspeedFor(uint16_t reading) {
    AirData.AsiRaw = reading;
    UpdateAirspeed();
    return AirData.Airspeed;
}

TEST(InstrumentAirspeed, ReadingsGiveTheCalibratedLimitedAirspeedInTheSelectedUnit) {
    const struct {
        uint16_t reading, zero;
        uint8_t cal, unit;
        uint16_t airspeed;
    } cases[] = {
        {0, 0, 100, 0, 0},      {12, 0, 100, 0, 0},     {13, 0, 100, 0, 16},
        {2976, 0, 100, 0, 249}, {2977, 0, 100, 0, 250}, {4096, 0, 100, 0, 250},
        {4096, 0, 50, 0, 146},  {5, 0, 150, 0, 0},      {6, 0, 150, 0, 16},
        {4096, 0, 100, 1, 402}, {4096, 0, 100, 2, 217}, {13, 0, 100, 1, 25},
        {13, 0, 100, 2, 13},    {4096, 0, 100, 7, 250}, // an unknown unit shows mph
        {100, 500, 100, 0, 0},                          // below the zero: no airspeed
        {600, 500, 100, 0, 45},                         // sqrt(21 * 100) = 45
        {5000, 0, 100, 0, 0}, // beyond the sensor's range counts as no airspeed
    };
    for (const auto& c : cases) {
        PowerOn();
        Settings.AsiFilter = 0;
        Calibration.AsiZero = c.zero;
        Calibration.AsiCal = c.cal;
        Settings.AsiUnit = c.unit;
        EXPECT_EQ(AirspeedFor(c.reading), c.airspeed)
            << "reading " << c.reading << " zero " << c.zero << " cal " << int(c.cal) << " unit "
            << int(c.unit);
        EXPECT_EQ(AirData.AsiAdc, c.reading);
    }
}

TEST(InstrumentAirspeed, FiltersSettleOneCountLowFromBelowAndExactlyFromAbove) {
    // Reading 13 is the first that shows 16 mph; one count less shows nothing, which makes the
    // filters' residue visible on the display.
    const struct {
        uint8_t filter;
        uint32_t accFromBelow;
    } cases[] = {{1, 2 * 13 - 1}, {2, 4 * 13 - 3}};
    for (const auto& c : cases) {
        PowerOn();
        Settings.AsiFilter = c.filter;
        for (int i = 0; i < 200; ++i) AirspeedFor(13);
        EXPECT_EQ(AirData.AsiFilterAcc, c.accFromBelow) << int(c.filter);
        EXPECT_EQ(AirData.Airspeed, 0) << int(c.filter);

        for (int i = 0; i < 200; ++i) AirspeedFor(4096);
        EXPECT_EQ(AirData.Airspeed, 250);
        for (int i = 0; i < 200; ++i) AirspeedFor(13);
        EXPECT_EQ(AirData.Airspeed, 16) << int(c.filter);
    }
}

TEST(InstrumentAirspeed, FastFollowsHalfWaySlowAQuarterPerFrame) {
    PowerOn();
    Settings.AsiFilter = 1;
    AirspeedFor(400); // acc 400 -> reading 200
    EXPECT_EQ(AirData.AsiFilterAcc, 400u);
    EXPECT_EQ(AirData.Airspeed, 64); // sqrt(4200)

    PowerOn();
    Settings.AsiFilter = 2;
    AirspeedFor(400); // acc 400 -> reading 100
    EXPECT_EQ(AirData.AsiFilterAcc, 400u);
    EXPECT_EQ(AirData.Airspeed, 45); // sqrt(2100)
}

TEST(InstrumentAirspeed, FiltersShareTheAccumulatorAndNoneLeavesIt) {
    PowerOn();
    Settings.AsiFilter = 1;
    for (int i = 0; i < 100; ++i) AirspeedFor(1000);
    EXPECT_EQ(AirData.AsiFilterAcc, 1999u);

    // SLOW reads the FAST accumulator as four times the reading: a transient dip.
    Settings.AsiFilter = 2;
    AirspeedFor(1000);
    EXPECT_EQ(AirData.AsiFilterAcc, (3u * 1999 + 4000) >> 2);
    EXPECT_EQ(AirData.Airspeed, 114); // sqrt(21 * 625)
    for (int i = 0; i < 100; ++i) AirspeedFor(1000);
    EXPECT_EQ(AirData.Airspeed, 144); // sqrt(21 * 999)

    Settings.AsiFilter = 0;
    const uint32_t kept = AirData.AsiFilterAcc;
    EXPECT_EQ(AirspeedFor(4096), 250); // unfiltered at once
    EXPECT_EQ(AirData.AsiFilterAcc, kept);

    Settings.AsiFilter = 1; // starts from the kept accumulator
    AirspeedFor(0);
    EXPECT_EQ(AirData.AsiFilterAcc, kept >> 1);
}

TEST(InstrumentAirspeed, MaximumGrowsKeepsItsNumberAndCallsTheHookOnlyWhenRaised) {
    PowerOn();
    Settings.AsiFilter = 0;
    const uint32_t hooks = SaveMaxValuesCalls;
    AirspeedFor(1000); // 144
    AirspeedFor(1000);
    AirspeedFor(13);
    EXPECT_EQ(MaxAirspeed, 144);
    EXPECT_EQ(SaveMaxValuesCalls, hooks + 1);

    Settings.AsiUnit = 1; // the number stays; km/h replaces it only when larger
    AirspeedFor(200);     // 64 mph = 102 km/h
    EXPECT_EQ(MaxAirspeed, 144);
    AirspeedFor(1000); // 144 mph = 231 km/h
    EXPECT_EQ(MaxAirspeed, 231);
    EXPECT_EQ(SaveMaxValuesCalls, hooks + 2);
}

class InstrumentAirspeedAlarm : public ::testing::Test {
  protected:
    HeadlessSession s;
    std::string err;
    void Cmd(const std::string& line) { ASSERT_TRUE(HeadlessCommand(s, line, err)) << err; }
    void SetUp() override {
        Cmd("asi 0");
        Cmd("on");
        AirData.AsiFilterAcc = 0;
        HomePage = 0;
        Settings.AsiFilter = 0;
        Cmd("frames 2");
    }
    bool Active() const { return (AlarmActive & AirspeedAlarmBit) != 0; }
    bool Acknowledged() const { return (AlarmAcknowledged & AirspeedAlarmBit) != 0; }
};

TEST_F(InstrumentAirspeedAlarm, EpisodeRaisesAcknowledgesEndsAndNeedsANewAcknowledgement) {
    EXPECT_EQ(s.Lamp, LampMaroon);
    Cmd("asi 4096"); // 250 > Vne 220
    Cmd("frames 1");
    EXPECT_TRUE(Active());
    EXPECT_EQ(s.Lamp, LampMaroon); // the lamp follows a frame later
    Cmd("frames 1");
    EXPECT_EQ(s.Lamp, LampRed);

    Cmd("right"); // only acknowledges
    EXPECT_TRUE(Acknowledged());
    EXPECT_EQ(HomePage, 0);
    Cmd("frames 5");
    EXPECT_EQ(s.Lamp, LampMaroon);
    EXPECT_TRUE(Active());
    Cmd("right"); // the alarm goes on, but the input now works
    EXPECT_EQ(HomePage, 1);

    Cmd("asi 0");
    Cmd("frames 1");
    EXPECT_FALSE(Active());
    EXPECT_FALSE(Acknowledged());

    Cmd("asi 4096");
    Cmd("frames 2");
    EXPECT_EQ(s.Lamp, LampRed);
    EXPECT_FALSE(Acknowledged());
    Cmd("+");
    EXPECT_EQ(Settings.BaroSetting, 1013250u); // the turn was used up by the acknowledgement
    EXPECT_TRUE(Acknowledged());
}

TEST_F(InstrumentAirspeedAlarm, EndsUnacknowledgedTheSameWay) {
    Cmd("asi 4096");
    Cmd("frames 2");
    EXPECT_EQ(s.Lamp, LampRed);
    Cmd("asi 0");
    Cmd("frames 2");
    EXPECT_EQ(s.Lamp, LampMaroon);
    EXPECT_EQ(AlarmActive | AlarmAcknowledged, 0u);
}

TEST_F(InstrumentAirspeedAlarm, RaisedAboveVneOrBelowVs1InFlightOnlyWhenSwitchedOn) {
    const struct {
        uint16_t reading, vne, vs1;
        uint8_t vneAlarm, vsAlarm, running;
        bool alarm;
    } cases[] = {
        {4096, 220, 30, 1, 1, 0, true},  {4096, 250, 30, 1, 1, 0, false}, // equal to Vne
        {4096, 220, 30, 0, 1, 0, false}, {0, 220, 30, 1, 1, 1, true},     // standing in flight
        {0, 220, 30, 1, 1, 0, false},    {0, 220, 30, 1, 0, 1, false},
        {13, 220, 16, 1, 1, 1, false}, // equal to Vs1
        {12, 220, 16, 1, 1, 1, true},
    };
    for (const auto& c : cases) {
        SetUp();
        Settings.Vne = c.vne;
        Settings.Vs1 = c.vs1;
        Settings.VneAlarm = c.vneAlarm;
        Settings.VsAlarm = c.vsAlarm;
        FlightTimer.Running = c.running;
        Cmd("asi " + std::to_string(c.reading));
        Cmd("frames 2");
        EXPECT_EQ(Active(), c.alarm)
            << "reading " << c.reading << " Vne " << c.vne << " Vs1 " << c.vs1 << " alarms "
            << int(c.vneAlarm) << int(c.vsAlarm) << " running " << int(c.running);
        EXPECT_EQ(s.Lamp, c.alarm ? LampRed : LampMaroon);
    }
}

TEST_F(InstrumentAirspeedAlarm, LimitsAreNumbersInTheSelectedUnit) {
    Settings.Vne = 200;
    Settings.AsiUnit = 2;
    Cmd("asi 4096"); // 250 mph = 217 kts > 200
    Cmd("frames 1");
    EXPECT_TRUE(Active());
    Cmd("asi 2000"); // 204 mph = 177 kts
    Cmd("frames 1");
    EXPECT_FALSE(Active());
}

} // namespace
