// A test host for text input while no screen has a text box yet: script hooks that open a
// text box over the bottom of the contact list screen and run the keyboard's actions as the
// screens' menus will.
//   test textbox LIMIT       opens (or reopens) the box with that limit in UTF-16 units
//                            (0: the most an edit box holds), shows it and gives it the focus
//   test textbox close       hides the box (the keyboard goes down) and removes it
//   test sip show            ShowSipAction
//   test sip disable         DisableSipAction
//   test sip switch NAME     SwitchSipAction with the installed input method of that name or
//                            class identifier
// UI thread only.
#pragma once

namespace shell {

void RegisterTextBoxProbe();
// Removes the box (the end of a run, tests).
void ResetTextBoxProbe();

}  // namespace shell
