// Drives the instrument core without a window, from a script of inputs: what the simulator's
// window does, with the clock and the frames under the script's control.
#pragma once
#include <cstdint>
#include <istream>
#include <string>
#include <vector>

struct HeadlessSession {
    bool Running = false;              // between "on" and "off"
    bool AltitudeSensorChecked = true; // the "Altitude Sensor" check box
    uint32_t Lamp = 0x800000;          // the alarm lamp's colour
    std::vector<std::string> Comms;    // lines of the Communications box, exact bytes
    std::string BaseDir = ".";         // where relative output paths go
    int Scale = 4;                     // pixels per display pixel in shots
};

// One frame as the run loop does it: steps up to the current screen (presentation is the
// window's). Does nothing while the instrument is off.
void HeadlessFrame(HeadlessSession& session);

// One script line. Returns false with a message (without the line number) on a wrong line.
bool HeadlessCommand(HeadlessSession& session, const std::string& line, std::string& error);

// A whole script; a wrong line stops it with "line N: message" in error.
bool HeadlessScript(HeadlessSession& session, std::istream& script, std::string& error);

extern const char* const HeadlessUsage;

// The name of a screen routine, as written in the code ("HomeScreen"), for messages and tests.
std::string ScreenName(void (*screen)());
