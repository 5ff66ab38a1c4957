// SPDX-License-Identifier: MIT
// Without a reachable window system, Qt's default platform plugin aborts the
// program before its command line is read, and `torsiva --help` would fail on
// a console. Only on such a system, and unless the user named a platform,
// this selects Qt's offscreen platform: enough to print the help, the version
// or a usage error; the application then says that the window needs a display.
#pragma once

// Call before the application object exists. Returns true when it selected
// the offscreen platform.
bool UseOffscreenWithoutDisplay(int argc, char** argv);
