// The keyboard and the mouse wheel as the bezel: which key or wheel notch stands for which
// bezel event. The window latches the result exactly as it latches a click.
#pragma once
#include <Qt>

#include "menus/screen_machine.h"

// The bezel event a key press stands for, or EvNone. F1 and F2 are the soft keys everywhere;
// Enter, Space, "+" and "-" (also on the keypad) work the knob unless the Communications box
// has the focus, where they are typing. Holding a key repeats only the knob turns.
InputEvent BezelEventForKey(int key, Qt::KeyboardModifiers modifiers, bool autoRepeat,
                            bool typingInTextBox);

// Knob turns for a wheel movement of angleDelta eighths of a degree: one per 120 (one notch),
// positive for "+", negative for "-". Fine-grained wheels add up in remainder.
int WheelNotches(int angleDelta, int& remainder);
