#pragma once

// The test program started again by a test, to be a second process:
//   --second-instance NAME   claims the single instance NAME; exit 0 when it was not first
//                            (the first was asked to show itself), 3 when it was first.
//   --click-probe            (under an X server) opens a window, clicks it with xdotool at
//                            client (37, 41) and prints the points the window got; exit 0 when
//                            the click arrived.
//   --file-dialog-probe ...  runs one file dialog and answers it (QtFileDialogProbe.h).
// Returns -1 when no child mode is asked for.
int RunChildMode(int argc, char** argv);
