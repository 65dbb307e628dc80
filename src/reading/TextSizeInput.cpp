#include "reading/TextSizeInput.h"

#include "habit/TextSize.h"

namespace {

constexpr int kWheelNotch = 120;

}  // namespace

TextSizeKey TextSizeKeyOf(int virtualKey) {
  switch (virtualKey) {
    case kKeyEqualsPlus:
    case kKeyPadPlus:
      return TextSizeKey::kLarger;
    case kKeyMinus:
    case kKeyPadMinus:
      return TextSizeKey::kSmaller;
    case kKeyZero:
    case kKeyPadZero:
      return TextSizeKey::kDefault;
    default:
      return TextSizeKey::kNone;
  }
}

int TextSizeAfterKey(int size, TextSizeKey key) {
  switch (key) {
    case TextSizeKey::kLarger:
      return StepTextSize(size, 1);
    case TextSizeKey::kSmaller:
      return StepTextSize(size, -1);
    case TextSizeKey::kDefault:
      return kDefaultTextSize;
    case TextSizeKey::kNone:
      break;
  }
  return size;
}

int TakeWheelNotches(int& carry, int delta) {
  if ((carry > 0 && delta < 0) || (carry < 0 && delta > 0)) carry = 0;
  carry += delta;
  const int notches = carry / kWheelNotch;
  carry -= notches * kWheelNotch;
  return notches;
}
