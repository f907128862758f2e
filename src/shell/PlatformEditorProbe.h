// Test hook of scripts: `test edit NAME` opens the platform's contact editor on the contact
// list's row whose display name is NAME, as the row's own edit operation does (after the
// command, so that the script goes on inside the editor). Rows that no tap of the list
// leads to the editor from, such as a sender who is not a contact, are reached this way.
#pragma once

namespace shell {

void RegisterPlatformEditorProbe();

}  // namespace shell
