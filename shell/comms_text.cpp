#include "shell/comms_text.h"

#include <cstring>

QString CommsDisplayText(const char* sentence) {
    size_t length = strlen(sentence);
    if (length > 0 && sentence[length - 1] == '\r') --length;
    QString text;
    text.reserve(int(length));
    for (size_t i = 0; i < length; ++i) {
        const unsigned char c = static_cast<unsigned char>(sentence[i]);
        if (c < 0x20)
            text += QChar(char16_t(0x2400 + c));
        else if (c == 0x7F)
            text += QChar(char16_t(0x2421));
        else
            text += QChar(char16_t(c)); // bytes above 0x7F read as Latin-1
    }
    return text;
}
