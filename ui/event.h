// Window events as the application sees them: wait_event and poll_event take one platform
// message from the thread's queue, let the layer's window procedure handle it, and return
// one event code; event_control then names the control the event concerns.
#pragma once

#include <cstdint>

constexpr int event_none = 0;              // poll_event: no message waiting
constexpr int event_size = 5;              // a window of the layer changed its size
constexpr int event_close_request = 16;    // the user asked to close a window; it stays open
constexpr int event_control_used = 13100;  // a control told its container it was used
constexpr int event_command = 13101;       // a menu or accelerator command
constexpr int event_tray = 13102;          // a mouse action on a notification-area icon
// Any other code is the number of the platform message taken, which raised no event.

// Blocks until one message has been taken from the queue and handled; returns its event.
int wait_event();

// As wait_event, but returns event_none at once when no message is waiting.
int poll_event();

// The control number of the last control, command or tray event.
int event_control();

// The detail of the last event (a notification code, a click kind); -1 when the current
// wait or poll raised none with a detail.
int event_detail();

// The two parameters of the last message the window procedure received, or those of the
// message a wait returned as its own number.
std::intptr_t event_wparam();
std::intptr_t event_lparam();

// The number of the window that received the last message, or -1 when it is none of the
// numbered windows (a tab page, for instance).
int event_window_number();
