#pragma once

// A program that hosts the system's browser control gets its oldest document
// mode unless the user's registry names the program under the control's
// emulation feature. Sets that value for this executable's own file name to
// the newest mode of the installed control, once per process and only when
// it is missing or different; nothing else in the registry is touched. A
// registry that refuses leaves the control in its default mode.
void chooseBrowserEmulation();
