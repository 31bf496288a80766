// Scaffolding: replaced by the paged decoder.
#include "graphics/rle.h"
void DrawRleImage(uint16_t, uint16_t, const RleImage&) {}
