// The window procedure of every class the layer registers (windows and tab pages): it
// turns platform messages into the layer's events.
#pragma once

#include <windows.h>

// Private messages the layer posts to its own windows.
constexpr UINT message_tray_icon = 12501;    // sent by a notification-area icon
constexpr UINT message_tray_event = 12502;   // the same, re-posted
constexpr UINT message_size_notice = 12504;  // a deferred WM_SIZE

// An application procedure that sees every message first; when it returns
// callback_default the layer's own handling goes on.
using window_callback = LRESULT(CALLBACK*)(HWND, UINT, WPARAM, LPARAM);
constexpr LRESULT callback_default = static_cast<LRESULT>(0xE0E0E0E1u);
void set_window_callback(window_callback callback);

LRESULT CALLBACK window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
