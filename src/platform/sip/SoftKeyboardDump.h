// The "soft_keyboards" section of state dumps: every live soft keyboard with its window's
// screen rectangle, whether it is on screen, and its keys (label, hint, screen rectangle).
#pragma once

namespace platform::sip {

class SoftKeyboard;

void TrackSoftKeyboard(SoftKeyboard* keyboard);
void ForgetSoftKeyboard(SoftKeyboard* keyboard);

}  // namespace platform::sip
