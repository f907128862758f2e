// The first start copies the shipped theme archives into the program folder, so that the
// default theme and the theme list of the options menu find them there.
#pragma once

namespace app {

// Copies every *.qbt of the shipped-themes folder that the program folder does not hold yet.
// The folder is $QUILLBOOK_THEMES, else the build's theme folder, else "themes" beside the
// executable. Existing files are never overwritten (a user may have edited them).
void InstallShippedThemes();

}  // namespace app
