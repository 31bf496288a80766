// The frame shared by the menu, message and confirmation screens: header, list rows, scroll bar
// and footer at fixed places, so that every screen looks the same.
#include "graphics/furniture.h"

#include "graphics/data/images.h"
#include "graphics/rle.h"
#include "graphics/text.h"
#include "menus/screen_machine.h"

namespace {

constexpr FontId FurnitureFont = 8;
constexpr FontId LogoFont = 12;
constexpr uint16_t ListTop = 26;
constexpr uint16_t RowPitch = 15;
constexpr uint16_t LeftLabelX = 26;
constexpr uint16_t RightLabelX = 134;
constexpr uint16_t FooterLabelY = 104;

bool RowVisible(int8_t row) {
    return row >= 0 && row <= 4;
}
uint16_t RowY(int8_t row) {
    return uint16_t(row * RowPitch + ListTop);
}

void DrawFooterRules() {
    DrawHLine(0, 159, 102, ClrWhite);
    DrawVLine(102, 119, 53, ClrWhite);
    DrawVLine(102, 119, 106, ClrWhite);
}

} // namespace

void DrawHeader(const char* title1, const char* title2) {
    // The brand word's tail sits at a fixed column whatever the first letter's width.
    DrawText(0, 0, "T", LogoFont, AlignLeft, ClrRed);
    DrawText(15, 0, "ovek", LogoFont, AlignLeft, ClrWhite);
    DrawText(158, 0, title1, FurnitureFont, AlignRight, ClrRed);
    DrawText(158, 11, title2, FurnitureFont, AlignRight, ClrRed);
    DrawHLine(0, 159, 25, ClrWhite);
}

void DrawFooter(FooterKind kind) {
    DrawFooterRules();
    const char* label = nullptr;
    if (kind == FooterExit) label = "EXIT";
    if (kind == FooterBack) label = "BACK";
    if (kind == FooterDone) label = "DONE";
    if (label) DrawText(LeftLabelX, FooterLabelY, label, FurnitureFont, AlignCentre, ClrWhite);
    DrawKnobIcon();
}

void DrawYesNoFooter() {
    DrawFooterRules();
    DrawText(LeftLabelX, FooterLabelY, "NO", FurnitureFont, AlignCentre, ClrWhite);
    DrawText(RightLabelX, FooterLabelY, "YES", FurnitureFont, AlignCentre, ClrWhite);
}

void DrawMenuQuestion(const char* line1, const char* line2, const char* line3) {
    DrawHeader("MESSAGE", "");
    DrawRleImage(5, 40, ImgQuestion);
    DrawText(110, 35, line1, 9, AlignCentre, ClrWhite);
    DrawText(110, 56, line2, 9, AlignCentre, ClrWhite);
    DrawText(110, 77, line3, 9, AlignCentre, ClrWhite);
    DrawYesNoFooter();
}

// A curved double-headed arrow: the top of a circle centred just below the screen, with a
// filled head at each end pointing down.
void DrawKnobIcon() {
    DrawArc(80, 124, 20, 220, 320, ClrWhite);

    DrawLine(60, 109, 70, 114, ClrWhite);
    DrawLine(60, 109, 62, 118, ClrWhite);
    DrawLine(70, 114, 62, 118, ClrWhite);
    SetPixel(61, 110, ClrWhite);
    SetPixel(61, 111, ClrWhite);
    DrawVLine(111, 117, 62, ClrWhite);
    DrawVLine(111, 116, 63, ClrWhite);
    DrawVLine(112, 116, 64, ClrWhite);
    for (uint16_t x = 65; x <= 67; ++x) DrawVLine(113, 115, x, ClrWhite);
    SetPixel(68, 114, ClrWhite);

    DrawLine(90, 114, 100, 109, ClrWhite);
    DrawLine(90, 114, 98, 118, ClrWhite);
    DrawLine(100, 109, 98, 118, ClrWhite);
    SetPixel(92, 114, ClrWhite);
    SetPixel(93, 114, ClrWhite);
    DrawVLine(113, 115, 94, ClrWhite);
    DrawVLine(113, 115, 95, ClrWhite);
    DrawVLine(112, 116, 96, ClrWhite);
    DrawVLine(112, 116, 97, ClrWhite);
    DrawVLine(111, 115, 98, ClrWhite);
    SetPixel(99, 111, ClrWhite);
}

// The track spans rows 30-98 (68 rows, kept in tenths); the thumb covers one entry's share of it.
// An empty list has no share to show: only the track is drawn.
void DrawMenuScrollBar(uint16_t position, uint16_t count) {
    DrawVLine(30, 98, 156, ClrWhite);
    if (count == 0) return;
    const uint16_t step = uint16_t(680 / count);
    const uint16_t top = uint16_t((uint32_t(step) * position + 300) / 10);
    const uint16_t bottom = uint16_t(top + step / 10);
    FillRect(153, top, 159, bottom, ClrWhite);
}

// A selected row is all red while it is only selected; while its value is being edited only
// the value stays red.
void DrawMenuRow(int8_t row, const char* label, const char* value) {
    if (!RowVisible(row)) return;
    const uint16_t y = RowY(row);
    const bool selected = row + MenuState.TopRow == MenuState.Cursor;
    const ColorIndex labelColour = selected && MenuState.EditMode == 0 ? ClrRed : ClrWhite;
    const ColorIndex valueColour = selected ? ClrRed : ClrWhite;
    DrawText(0, y, label, FurnitureFont, AlignLeft, labelColour);
    DrawText(uint16_t(TextEndX), y, value, FurnitureFont, AlignLeft, valueColour);
}

void DrawMenuItem(int8_t row, const char* text, ColorIndex colour) {
    if (!RowVisible(row)) return;
    DrawText(0, RowY(row), text, FurnitureFont, AlignLeft, colour);
}

// Shown while the cursor rests on a numeric entry, in or out of editing; larger steps are drawn
// by the page that uses them.
void DrawStepIndicator(uint8_t item) {
    if (item != MenuState.Cursor) return;
    const char* text = nullptr;
    if (MenuState.EditStep == 1) text = "X1";
    if (MenuState.EditStep == 10) text = "X10";
    if (MenuState.EditStep == 100) text = "X100";
    if (text) DrawText(RightLabelX, FooterLabelY, text, FurnitureFont, AlignCentre, ClrWhite);
}
