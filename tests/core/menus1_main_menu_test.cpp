// MAIN MENU: one entry at a time with its title and picture, a ring of six under the knob.
#include "menus1_support.h"

#include "graphics/data/images.h"
#include "graphics/rle.h"

namespace {

using namespace menus1;

struct EntryLook {
    const char* title1;
    const char* title2;
    const RleImage* picture;
};
const EntryLook Entries[6] = {
    {"ALT", "SETUP", &ImgAltSetup},   {"VSI", "SETUP", &ImgVsiSetup},
    {"ASI", "SETUP", &ImgAsiSetup},   {"TIMERS", "SETUP", &ImgTimersSetup},
    {"MISC", "SETUP", &ImgMiscSetup}, {"ADC", "VALUES", &ImgAdcValues},
};

constexpr Box PictureBox = {10, 41, 59, 90};
// Right of the picture, below the header, left of the scroll bar, above the footer.
constexpr Box TitleBox = {60, 26, 152, 101};

void ExpectEntryShown(int entry, const std::string& what) {
    const EntryLook& e = Entries[entry];
    EXPECT_TRUE(Pixels(TitleBox) ==
                DrawnBy(TitleBox,
                        [&] {
                            DrawText(108, 46, e.title1, 10, AlignCentre, ClrWhite);
                            DrawText(108, 64, e.title2, 10, AlignCentre, ClrWhite);
                        }))
        << what << ": titles of entry " << entry;
    EXPECT_TRUE(Pixels(PictureBox) ==
                DrawnBy(PictureBox, [&] { DrawRleImage(10, 41, *e.picture); }))
        << what << ": picture of entry " << entry;
    ExpectScrollBar(uint16_t(entry), 6, what);
    EXPECT_TRUE(Lit(TitleBox)) << what << ": titles drawn";
}

TEST(Menus1MainMenu, OpensOnAltSetupWithTheScrollBarAtTheTop) {
    HeadlessSession s;
    OpenMainMenu(s);
    EXPECT_EQ(MenuState.Cursor, 0);
    ExpectEntryShown(0, "from the flight display");
}

TEST(Menus1MainMenu, TheKnobTurnsARingOfSix) {
    const struct {
        const char* turn;
        int clicks;
        int shown;
    } cases[] = {
        {"+", 1, 1}, {"+", 5, 5}, {"+", 6, 0}, {"+", 7, 1}, {"-", 1, 5}, {"-", 6, 0}, {"-", 8, 4},
    };
    for (const auto& c : cases) {
        HeadlessSession s;
        OpenMainMenu(s);
        Repeat(s, c.turn, c.clicks);
        Drive(s, {"frames 1"});
        const std::string what = std::string(c.turn) + " x" + std::to_string(c.clicks);
        EXPECT_EQ(MenuState.Cursor, c.shown) << what;
        ExpectEntryShown(c.shown, what);
    }
}

} // namespace
