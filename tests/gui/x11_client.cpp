#include "x11_client.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

void AskX11WindowToClose(unsigned long window) {
    Display* display = XOpenDisplay(nullptr);
    if (!display) return;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
    XCloseDisplay(display);
}

std::string X11ClassHint(unsigned long window) {
    Display* display = XOpenDisplay(nullptr);
    if (!display) return {};
    XClassHint hint{};
    std::string text;
    if (XGetClassHint(display, window, &hint)) {
        text = std::string(hint.res_name ? hint.res_name : "") + "/" +
               (hint.res_class ? hint.res_class : "");
        XFree(hint.res_name);
        XFree(hint.res_class);
    }
    XCloseDisplay(display);
    return text;
}
