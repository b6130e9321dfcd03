// The layer's one set of event state, written by the window procedure (last writer wins)
// and handed back and cleared by the next wait or poll.
#pragma once

#include <windows.h>

struct event_state {
    int code = 0;  // 0: no event raised since the last wait or poll that took a message
    int control_number = 0;
    int detail = -1;
    WPARAM wparam = 0;
    LPARAM lparam = 0;
    HWND window = nullptr;
    UINT taken = 0;  // the message the current wait or poll took from the queue
};

extern event_state events;
