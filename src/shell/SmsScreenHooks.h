// Script hooks for the SMS screen, for runs that cannot find the way by position (the monkey):
//   test sms open N    opens the SMS screen for the N-th row shown in the contact list (counted
//                      round the rows; separators are passed over) and its SMS number
//   test sms send      what holding the send button does, when the SMS screen is shown
// UI thread only.
#pragma once

namespace shell {

void RegisterSmsScreenHooks();

}  // namespace shell
