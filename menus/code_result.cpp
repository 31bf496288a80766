// CODE CHANGED / CODE ERROR: the end of a code entry, back to wherever the entry set.
#include "graphics/data/images.h"
#include "graphics/framebuffer.h"
#include "graphics/furniture.h"
#include "graphics/rle.h"
#include "graphics/text.h"
#include "menus/screen_machine.h"
#include "menus/screens.h"

void CodeResultScreen() {
    DrawHeader("MESSAGE", "");
    DrawRleImage(5, 40, ImgExclamation);
    DrawText(110, 43, "CODE", 10, AlignCentre, ClrWhite);
    DrawText(110, 63, PendingCode == 1 ? "CHANGED" : "ERROR", 10, AlignCentre, ClrWhite);
    DrawFooter(FooterBack);

    if (PendingEvent != EvNone) {
        CurrentScreen = ReturnScreen;
        PendingEvent = EvNone;
    }
}
