// Scaffolding: replaced by the sentence builder.
#include "shell/core/serial.h"
char SerialLine[50];
void BuildEncoderSentence() {}
uint8_t ByteSum(const char*) { return 0; }
