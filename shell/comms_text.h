// How a serial sentence reads in the Communications box. The sentence itself (SerialLine)
// keeps its exact bytes; only its on-screen form changes.
#pragma once
#include <QString>

// A trailing carriage return just ends the line; every other control character shows as its
// Unicode control picture (STX as U+2402, ETX as U+2403, a CR elsewhere as U+240D).
QString CommsDisplayText(const char* sentence);
