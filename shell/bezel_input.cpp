#include "shell/bezel_input.h"

InputEvent BezelEventForKey(int key, Qt::KeyboardModifiers modifiers, bool autoRepeat,
                            bool typingInTextBox) {
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return EvNone;
    switch (key) {
    case Qt::Key_F1:
        return autoRepeat ? EvNone : EvLeftKey;
    case Qt::Key_F2:
        return autoRepeat ? EvNone : EvRightKey;
    default:
        break;
    }
    if (typingInTextBox) return EvNone;
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        return autoRepeat ? EvNone : EvKnobPress;
    case Qt::Key_Plus:
        return EvKnobUp;
    case Qt::Key_Minus:
        return EvKnobDown;
    default:
        return EvNone;
    }
}

int WheelNotches(int angleDelta, int& remainder) {
    constexpr int Notch = 120;
    remainder += angleDelta;
    const int notches = remainder / Notch; // truncates towards zero for either direction
    remainder -= notches * Notch;
    return notches;
}
