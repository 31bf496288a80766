// Whole flight-display frames against their golden frames.
#include <string>

#include "driver.h"
#include "golden.h"
#include "instrument/airdata.h"
#include "instrument/flight_timer.h"
#include "instrument/home.h"
#include "instrument/settings.h"
#include "shell/core/run_loop.h"

namespace {

TEST(InstrumentGolden, FlightDisplayFrames) {
    const struct {
        const char* golden;
        uint8_t altitudeUp, tape, blink, sensorOk;
        uint16_t reading;
        int32_t altitude;
        int16_t vs;
    } cases[] = {
        // 199 mph on yellow, climbing, the layout at power-on.
        {"instrument_flight_yellow", 0, 1, 0, 1, 1905, 12500, 700},
        // Above Vne in the lit phase of the blink, descending at full scale, altitude on top.
        {"instrument_flight_alarm_top", 1, 1, 1, 1, 4096, 3450, -1500},
        // No tape, altitude on top, baro in inches, and the sensor error over it all.
        {"instrument_flight_sensor_error", 1, 0, 0, 0, 900, 9990, 0},
    };
    for (const auto& c : cases) {
        HeadlessSession s;
        std::string err;
        ASSERT_TRUE(HeadlessCommand(s, "on", err)) << err;
        HomePage = 0;
        Settings.AsiFilter = 0;
        Settings.AltitudePosition = c.altitudeUp;
        Settings.VsiDisplay = c.tape;
        Settings.PressureUnit = c.tape ? 0 : 1;
        s.AltitudeSensorChecked = c.sensorOk != 0;
        BlinkPhase = c.blink;
        AirData.AsiRaw = c.reading;
        AirData.Altitude = c.altitude;
        AirData.VerticalSpeed = c.vs;
        ASSERT_TRUE(HeadlessCommand(s, "frames 1", err)) << err;
        SCOPED_TRACE(c.golden);
        ExpectFrameMatchesGolden(c.golden);
    }
}

} // namespace
