// Scaffolding: replaced by the real furniture.
#include "graphics/furniture.h"
void DrawHeader(const char*, const char*) {}
void DrawFooter(FooterKind) {}
void DrawYesNoFooter() {}
void DrawKnobIcon() {}
void DrawMenuScrollBar(uint16_t, uint16_t) {}
void DrawMenuRow(int8_t, const char*, const char*) {}
void DrawMenuItem(int8_t, const char*, ColorIndex) {}
void DrawStepIndicator(uint8_t) {}
