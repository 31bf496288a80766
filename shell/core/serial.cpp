// Altitude-encoder sentences in the six formats the instrument can send.
#include "shell/core/serial.h"

#include <cstdio>
#include <cstring>

#include "instrument/airdata.h"
#include "instrument/settings.h"
#include "menus/screen_machine.h"
#include "menus/screens.h"

char SerialLine[50];

namespace {

constexpr size_t SentenceSize = 50;
constexpr char Stx = 0x02;

// Appends as much of piece as fits, always leaving the sentence terminated. With 32-bit
// altitudes the longest sentence is 44 characters, so nothing is cut in practice.
void AppendPiece(char* sentence, const char* piece) {
    const size_t used = strlen(sentence);
    if (used + 1 >= SentenceSize) return;
    snprintf(sentence + used, SentenceSize - used, "%s", piece);
}

} // namespace

uint8_t ByteSum(const char* text) {
    uint8_t sum = 0;
    for (const unsigned char* c = reinterpret_cast<const unsigned char*>(text); *c; ++c)
        sum = uint8_t(sum + *c);
    return sum;
}

void BuildEncoderSentence() {
    // During the encoder test the connected equipment sees the test altitude, standard
    // pressure and level flight instead of the measured values.
    const bool testing = CurrentScreen == TestAltitudeScreen;
    const long altitude = testing ? TestAltitude : AirData.PressureAltitude;
    const long auxAltitude = testing ? TestAltitude : AirData.AuxAltitude;
    const uint32_t baro = testing ? 1013250u : Settings.BaroSetting;
    const int verticalSpeed = testing ? 0 : AirData.VerticalSpeed;

    char sentence[SentenceSize] = {};
    char piece[SentenceSize] = {};
    bool checksum = false;
    switch (Settings.SerialProtocol) {
    case 0:
        snprintf(sentence, sizeof sentence, "#AL %+06ldT+25", altitude);
        checksum = true;
        break;
    case 1:
        snprintf(sentence, sizeof sentence, "$ZVK%+06ldT+25", altitude);
        checksum = true;
        break;
    case 2:
    case 3:
        snprintf(sentence, sizeof sentence, "ALT %05ld\r", altitude);
        break;
    case 4:
        snprintf(sentence, sizeof sentence, "ALT%+06ldC%+06ldL%04d", altitude, auxAltitude,
                 int(baro / 1000));
        snprintf(piece, sizeof piece, "%+05dX", verticalSpeed);
        AppendPiece(sentence, piece);
        checksum = true;
        break;
    case 5:
        sentence[0] = Stx;
        snprintf(piece, sizeof piece, "a=%05ld\x03", altitude);
        AppendPiece(sentence, piece);
        break;
    default:
        break;
    }
    if (checksum) {
        snprintf(piece, sizeof piece, "%02X\r", unsigned(ByteSum(sentence)));
        AppendPiece(sentence, piece);
    }
    memcpy(SerialLine, sentence, sizeof SerialLine);
}
