#include "graphics/framebuffer.h"

#include <cmath>

float SinPos[361];
float SinNeg[361];
float CosPos[361];
float CosNeg[361];

void InitTrigTables() {
    const double radiansPerDegree = 0.017453292519943295;
    for (int k = 0; k <= 360; ++k) {
        SinPos[k] = float(std::sin(k * radiansPerDegree));
        CosPos[k] = float(std::cos(k * radiansPerDegree));
        SinNeg[k] = float(std::sin(-k * radiansPerDegree));
        CosNeg[k] = float(std::cos(-k * radiansPerDegree));
    }
}

// Angles beyond +-360 have no table entry; they are folded back into range rather than read
// past the end of a table.
static int16_t Fold(int16_t angle) {
    return (angle > 360 || angle < -360) ? int16_t(angle % 360) : angle;
}

float SinDeg(int16_t angle) {
    angle = Fold(angle);
    return angle >= 0 ? SinPos[angle] : SinNeg[-angle];
}

float CosDeg(int16_t angle) {
    angle = Fold(angle);
    return angle >= 0 ? CosPos[angle] : CosNeg[-angle];
}
