#pragma once
// The keys and the wheel that change the page's text size, apart from the window so that they can be tested:
// Ctrl with = (also + and the keypad's +), - (also the keypad's) and 0 (also the keypad's), and Ctrl with the
// wheel, a step a notch.

enum class TextSizeKey { kNone, kLarger, kSmaller, kDefault };

// The window system's virtual key codes of the keys, pressed with Ctrl.
enum TextSizeVirtualKey {
  kKeyZero = 0x30,
  kKeyPadZero = 0x60,
  kKeyPadPlus = 0x6B,
  kKeyPadMinus = 0x6D,
  kKeyEqualsPlus = 0xBB,  // "=" and, with Shift, "+"
  kKeyMinus = 0xBD,
};

TextSizeKey TextSizeKeyOf(int virtualKey);

// The size after the key: a step larger or smaller, or the default.
int TextSizeAfterKey(int size, TextSizeKey key);

// The wheel's whole notches (120 a notch, positive away from the user) in `carry` plus `delta`; the rest stays
// in `carry` for the next turn, unless the wheel turns the other way, which starts afresh.
int TakeWheelNotches(int& carry, int delta);
