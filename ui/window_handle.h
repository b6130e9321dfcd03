// The platform's window handle, named without including <windows.h>, so that the
// application's headers stay free of the platform. It is the same type as HWND.
#pragma once

struct HWND__;
using window_handle = HWND__*;
