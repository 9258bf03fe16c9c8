// The help page beside the program, opened in the default browser.
#pragma once

namespace mvane::ui {

// Opens the page at the topic of a help context number; 0 opens its contents.
void OpenHelp(int helpContext);

}  // namespace mvane::ui
