// DONE: confirms a finished action and goes back, on any bezel action, to whoever asked for it.
#include "graphics/data/images.h"
#include "graphics/framebuffer.h"
#include "graphics/furniture.h"
#include "graphics/rle.h"
#include "graphics/text.h"
#include "menus/screen_machine.h"
#include "menus/screens.h"

void DoneScreen() {
    DrawHeader("MESSAGE", "");
    DrawText(110, 55, "DONE", 16, AlignCentre, ClrWhite);
    DrawRleImage(10, 45, ImgExclamation);

    // The opener has already set MenuState for the screen we go back to.
    if (PendingEvent != EvNone) {
        CurrentScreen = ReturnScreen;
        PendingEvent = EvNone;
    }
}
