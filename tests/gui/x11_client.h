// What the tests need to say to the X server directly, standing in for a window manager.
#pragma once
#include <string>

// Sends WM_DELETE_WINDOW, as a window manager does when the user clicks the close box.
void AskX11WindowToClose(unsigned long window);

// The window's WM_CLASS as "name/class", empty if it has none.
std::string X11ClassHint(unsigned long window);
