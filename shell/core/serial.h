// Altitude-encoder sentences.
#pragma once
#include <cstdint>

extern char SerialLine[50]; // the last sentence built; empty until the first

void BuildEncoderSentence();
uint8_t ByteSum(const char* text);
