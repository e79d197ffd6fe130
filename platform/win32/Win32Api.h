#pragma once

// <windows.h> for code that also sees the window and drawing layers. The system's
// A/W name macros would rename our own methods of the same names (so that
// DialogWindow::PostMessage became PostMessageA at one call and not at its
// definition); code here calls the W functions by their full names instead.
#include <windows.h>

#undef CreateFont
#undef DrawText
#undef FindResource
#undef GetObject
#undef GetWindowText
#undef LoadBitmap
#undef LoadCursor
#undef LoadIcon
#undef PostMessage
#undef SendMessage
#undef SetWindowText
#undef TextOut
