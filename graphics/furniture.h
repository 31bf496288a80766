// The shared frame of the menu, message and confirmation screens.
#pragma once
#include <cstdint>

#include "graphics/framebuffer.h"

typedef uint8_t FooterKind;
constexpr FooterKind FooterExit = 1;
constexpr FooterKind FooterBack = 2;
constexpr FooterKind FooterDone = 3;

void DrawHeader(const char* title1, const char* title2);
void DrawFooter(FooterKind kind);
void DrawYesNoFooter();
// The three-line yes/no question of the menus: MESSAGE header, question picture, the three
// lines beside it, NO and YES on the keys.
void DrawMenuQuestion(const char* line1, const char* line2, const char* line3);
void DrawKnobIcon();
void DrawMenuScrollBar(uint16_t position, uint16_t count);
void DrawMenuRow(int8_t row, const char* label, const char* value);
void DrawMenuItem(int8_t row, const char* text, ColorIndex colour);
void DrawStepIndicator(uint8_t item);
