// The event wait and poll: take one message, let the active window's Tab accelerators or
// the window procedure handle it, and hand back the event it raised or its own number.
#include "ui/event.h"

#include "ui/event_state.h"
#include "ui/tab_pages.h"
#include "ui/window.h"
#include "ui/window_table.h"

event_state events;

namespace {

int handle_taken_message(MSG& message) {
    HWND active = GetActiveWindow();
    HACCEL accelerators = accelerator_table_of(active);
    events.taken = message.message;
    if (accelerators == nullptr || !TranslateAcceleratorW(active, accelerators, &message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    note_page_focus();
    int result = events.code;
    if (result == event_none) {
        result = static_cast<int>(message.message);
        events.wparam = message.wParam;
        events.lparam = message.lParam;
    }
    events.code = event_none;
    return result;
}

}  // namespace

int wait_event() {
    events.detail = -1;
    MSG message = {};
    GetMessageW(&message, nullptr, 0, 0);  // a quit message is handled like any other
    return handle_taken_message(message);
}

int poll_event() {
    events.detail = -1;
    MSG message = {};
    if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        return event_none;
    }
    return handle_taken_message(message);
}

int event_control() {
    return events.control_number;
}

int event_detail() {
    return events.detail;
}

std::intptr_t event_wparam() {
    return static_cast<std::intptr_t>(events.wparam);
}

std::intptr_t event_lparam() {
    return static_cast<std::intptr_t>(events.lparam);
}

int event_window_number() {
    return window_number_of(events.window);
}
