// Screens composed from the shared frame, compared whole against their golden frames.
#include <gtest/gtest.h>

#include "golden.h"
#include "graphics/data/images.h"
#include "graphics/furniture.h"
#include "graphics/text.h"
#include "menus/screen_machine.h"
#include "shell/core/run_loop.h"

namespace {

class GoldenFurniture : public ::testing::Test {
  protected:
    void SetUp() override {
        PowerOnSequence();
        MenuState.Cursor = 0;
        MenuState.TopRow = 0;
        MenuState.EditMode = 0;
        MenuState.EditStep = 1;
        ClearFrame();
    }
};

TEST_F(GoldenFurniture, SetupListWhileEditing) {
    // Entries 1-5 of six shown, the fourth being edited in steps of ten.
    MenuState.TopRow = 1;
    MenuState.Cursor = 3;
    MenuState.EditMode = 1;
    MenuState.EditStep = 10;
    const char* const labels[] = {
        "ALTITUDE UNIT: ", "BARO UNIT: ", "OFFSET: ", "MAX ALT: ", "SERIAL: ", "PROTOCOL: "};
    const char* const values[] = {"FEET", "MB", "0", "12500", "ON", "ZVK"};
    DrawHeader("ALTITUDE", "SETUP");
    for (int entry = 0; entry < 6; ++entry)
        DrawMenuRow(int8_t(entry - MenuState.TopRow), labels[entry], values[entry]);
    DrawMenuScrollBar(MenuState.Cursor, 6);
    DrawFooter(FooterBack);
    DrawStepIndicator(3);
    ExpectFrameMatchesGolden("furniture_setup_list");
}

TEST_F(GoldenFurniture, ConfirmationWithTheQuestionPicture) {
    DrawHeader("MESSAGE", "");
    DrawRleImage(5, 40, ImgQuestion);
    DrawText(108, 45, "START", 10, AlignCentre, ClrWhite);
    DrawText(108, 67, "FLIGHT?", 10, AlignCentre, ClrWhite);
    DrawYesNoFooter();
    ExpectFrameMatchesGolden("furniture_confirmation");
}

TEST_F(GoldenFurniture, MenuWithAnIcon) {
    MenuState.Cursor = 2;
    DrawHeader("MAIN MENU", "");
    DrawRleImage(10, 41, ImgAsiSetup);
    DrawText(104, 60, "ASI SETUP", 8, AlignCentre, ClrRed);
    DrawMenuScrollBar(MenuState.Cursor, 6);
    DrawFooter(FooterExit);
    ExpectFrameMatchesGolden("furniture_menu_icon");
}

} // namespace
