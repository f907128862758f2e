// The text boxes' section of state dumps ("text_boxes"): for each live text box, in the
// order they were made, its rectangle, label, whether it and its edit box are shown, its
// text, caret, selection, limit, modified flag and whether it has the keyboard focus.
// UI thread only.
#pragma once

class TextInputControl;

void TrackTextBox(TextInputControl* box);
void ForgetTextBox(TextInputControl* box);
