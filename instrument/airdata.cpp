// Scaffolding: replaced by the real screens.
#include "instrument/airdata.h"

AirDataRecord AirData;
uint32_t AlarmActive;
uint32_t AlarmAcknowledged;
void UpdateAirspeed() {}
