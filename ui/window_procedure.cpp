// The layer's window procedure. It records the event that a message raises in the event
// state (the last writer wins) and lets the platform handle everything else. Control
// commands and notifications name their control by its child-window id, which is the
// control number.
#include "ui/window_procedure.h"

#include <windows.h>
#include <commctrl.h>
#include <cstring>

#include "ui/control_container.h"
#include "ui/display_scale.h"
#include "ui/event.h"
#include "ui/event_state.h"
#include "ui/focus_navigation.h"
#include "ui/list_view.h"
#include "ui/list_view_notice.h"
#include "ui/status_bar.h"
#include "ui/window_icon.h"
#include "ui/tab_pages.h"
#include "ui/window.h"
#include "ui/window_table.h"

namespace {

constexpr int command_control_id = -10000;  // a control with this id raises command events
constexpr int class_name_room = 50;

window_callback callback = nullptr;
HWND focus_kept = nullptr;  // the control that had the focus when its window was deactivated

bool class_begins_with(HWND window, const char* prefix) {
    char name[class_name_room] = {};
    GetClassNameA(window, name, class_name_room);
    return std::strncmp(name, prefix, std::strlen(prefix)) == 0;
}

int id_of(HWND window) {
    return static_cast<int>(GetWindowLongPtrA(window, GWLP_ID));
}

void raise(int code, int control_number) {
    events.code = code;
    events.control_number = control_number;
}

void handle_command(WPARAM wparam, LPARAM lparam) {
    const int low = LOWORD(wparam);
    const int high = HIWORD(wparam);
    if (lparam != 0) {
        HWND control = reinterpret_cast<HWND>(lparam);
        raise(event_control_used, low);
        events.detail = high;
        if (id_of(control) == command_control_id) {
            events.code = event_command;
        }
        if (class_begins_with(control, "List")) {
            if (high == LBN_SELCHANGE) {
                events.detail = 0;
            } else if (high != LBN_DBLCLK) {
                events.code = event_none;
            }
        }
    } else if (high == 0) {
        raise(event_command, static_cast<int>(wparam));  // a menu command
    } else if (low == command_focus_next) {
        focus_next_control();
    } else if (low == command_focus_previous) {
        focus_previous_control();
    } else {
        raise(event_command, low);
    }
}

// Detail of a click notification of a tab control, tree view or list view; -1 for others.
int click_detail(UINT code) {
    switch (code) {
        case NM_CLICK:
            return 0;
        case NM_RCLICK:
            return 1;
        case NM_DBLCLK:
        case LVN_ITEMACTIVATE:
            return 2;
        case NM_RDBLCLK:
            return 3;
        default:
            return -1;
    }
}

// The value the window procedure returns for the notification.
LRESULT handle_notification(const NMHDR* header) {
    if (header == nullptr) {
        return 0;
    }
    const UINT code = header->code;
    const int sender_id = static_cast<int>(header->idFrom);
    LRESULT answer = 0;
    const list_view_notice notice = answer_list_view(header, answer);
    switch (notice) {
        case list_view_notice::answered:
            return answer;
        case list_view_notice::label_edited:
            raise(event_control_used, sender_id);
            events.detail = list_view_label_edited;
            return 0;  // the list does not set the text itself
        case list_view_notice::column_clicked:
            raise(event_control_used, sender_id);
            events.detail = list_view_column_clicked;
            return 0;
        case list_view_notice::copy_asked:
        case list_view_notice::undo_asked:
        case list_view_notice::redo_asked:
            raise(event_control_used, sender_id);
            events.detail = notice == list_view_notice::copy_asked   ? list_view_copy_asked
                            : notice == list_view_notice::undo_asked ? list_view_undo_asked
                                                                     : list_view_redo_asked;
            return 0;
        case list_view_notice::other:
            break;
    }
    if (class_begins_with(header->hwndFrom, "SysT") ||
        class_begins_with(header->hwndFrom, "SysL")) {
        if (code == TCN_SELCHANGE) {
            raise(event_control_used, sender_id);
            show_selected_page(header->hwndFrom);
            // Arrow keys on the strip go on choosing tabs; a click goes to the page's control.
            if (events.taken == WM_KEYDOWN)
                SetFocus(header->hwndFrom);
            else
                focus_shown_page(header->hwndFrom);
            return 0;
        }
        const int detail = click_detail(code);
        if (detail != -1) {
            events.detail = detail;
        }
        if (events.detail != -1 || code == TVN_SELCHANGEDA || code == TVN_SELCHANGEDW ||
            code == LVN_ITEMCHANGED) {
            raise(event_control_used, sender_id);
        }
        return 0;
    }
    if (code == UDN_DELTAPOS) {
        raise(event_control_used, sender_id);
        events.detail = reinterpret_cast<const NMUPDOWN*>(header)->iDelta;
    }
    return 0;
}

// A mouse action on a notification-area icon: wparam is the icon's id, lparam the mouse
// message.
void handle_tray(WPARAM wparam, LPARAM lparam) {
    raise(event_none, static_cast<int>(wparam));
    static const struct {
        LPARAM mouse_message;
        int detail;
    } clicks[] = {
        {WM_LBUTTONUP, 0}, {WM_RBUTTONUP, 1}, {WM_LBUTTONDBLCLK, 2}, {WM_RBUTTONDBLCLK, 3}};
    for (const auto& click : clicks) {
        if (lparam == click.mouse_message) {
            events.code = event_tray;
            events.detail = click.detail;
        }
    }
}

// The window's status bars and controls follow its new client size at once, whatever loop
// takes the messages; the event comes later.
void follow_size(HWND window, WPARAM wparam, LPARAM lparam) {
    fit_status_bars(window);
    const window_sizing sizing = sizing_of(window);
    if (sizing.lay_out != nullptr && wparam != SIZE_MINIMIZED) {
        sizing.lay_out(to_layout(LOWORD(lparam)), to_layout(HIWORD(lparam)));
    }
    PostMessageA(window, message_size_notice, wparam, lparam);
}

// The window moved to a screen of another DPI: the controls keep their places in 96-DPI units
// at the new DPI, with its font, and the window takes the rectangle Windows suggests (its
// lay_out then places the growing controls). Lists keep their rows, selection and scrolling.
void follow_dpi(HWND window, int dpi, const RECT* suggested) {
    const int old_dpi = layout_dpi();
    if (dpi <= 0 || dpi == old_dpi)
        return;
    set_layout_dpi(dpi);
    rescale_controls(old_dpi, dpi);
    refont_controls();
    refont_status_bars();
    set_window_icons(window, dpi);
    if (suggested == nullptr)
        return;
    // The smallest size was set for the texts at the old DPI: the layout sets it again for the
    // new one (or it stays as it was).
    const window_sizing kept = sizing_of(window);
    set_smallest_size(window, 0, 0);
    SetWindowPos(window, nullptr, suggested->left, suggested->top,
                 suggested->right - suggested->left, suggested->bottom - suggested->top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (sizing_of(window).min_width == 0)
        set_smallest_size(window, kept.min_width, kept.min_height);
}

// As a dialog box does: the control with the focus keeps it while a message box, a file dialog
// or another program is in front; true when the focus went back to it.
bool keep_focus(HWND window, WPARAM activation) {
    if (LOWORD(activation) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(window, focus))
            focus_kept = focus;
        return false;
    }
    // A click that activates the window puts the focus where it clicked.
    if (LOWORD(activation) != WA_ACTIVE || focus_kept == nullptr || !IsChild(window, focus_kept) ||
        !IsWindowVisible(focus_kept) || !IsWindowEnabled(focus_kept) || HIWORD(activation) != 0)
        return false;
    SetFocus(focus_kept);
    return true;
}

void limit_size(HWND window, MINMAXINFO* limits) {
    const window_sizing sizing = sizing_of(window);
    if (sizing.min_width <= 0 || sizing.min_height <= 0) {
        return;
    }
    RECT outer = {0, 0, to_pixels(sizing.min_width), to_pixels(sizing.min_height)};
    AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE)));
    limits->ptMinTrackSize = {outer.right - outer.left, outer.bottom - outer.top};
}

}  // namespace

void set_window_callback(window_callback procedure) {
    callback = procedure;
}

LRESULT CALLBACK window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    events.window = window;
    events.wparam = wparam;
    events.lparam = lparam;
    if (callback != nullptr) {
        const LRESULT result = callback(window, message, wparam, lparam);
        if (result != callback_default) {
            return result;
        }
    }
    switch (message) {
        case WM_NOTIFY:
            return handle_notification(reinterpret_cast<const NMHDR*>(lparam));
        case WM_HSCROLL:
            raise(event_control_used, lparam != 0 ? id_of(reinterpret_cast<HWND>(lparam)) : 0);
            return 0;
        case WM_COMMAND:
            handle_command(wparam, lparam);
            return 0;
        case message_tray_event:
            handle_tray(wparam, lparam);
            return 0;
        case message_size_notice:
            events.code = event_size;
            return 0;
        case WM_SIZE:
            follow_size(window, wparam, lparam);
            return 0;
        case WM_ACTIVATE:
            if (keep_focus(window, wparam))
                return 0;
            return DefWindowProcW(window, message, wparam, lparam);
        case WM_TIMER:
            if (take_icon_timer(window, wparam))
                return 0;
            return DefWindowProcW(window, message, wparam, lparam);
        case WM_DPICHANGED:
            follow_dpi(window, LOWORD(wparam), reinterpret_cast<const RECT*>(lparam));
            return 0;
        case WM_GETMINMAXINFO:
            limit_size(window, reinterpret_cast<MINMAXINFO*>(lparam));
            return DefWindowProcW(window, message, wparam, lparam);
        case message_tray_icon:
            PostMessageA(window, message_tray_event, wparam, lparam);
            return 0;
        case WM_CONTEXTMENU:
            if (keep_list_view_menu_point(reinterpret_cast<HWND>(wparam), lparam)) {
                raise(event_control_used, id_of(reinterpret_cast<HWND>(wparam)));
                events.detail = list_view_menu_asked;
                return 0;
            }
            return DefWindowProcW(window, message, wparam, lparam);
        case WM_SYSCOMMAND:
            // The system's own commands are at 0xF000 and up; below are the window's choices.
            if ((wparam & 0xFFF0) < 0xF000) {
                raise(event_command, static_cast<int>(wparam & 0xFFF0));
                return 0;
            }
            return DefWindowProcW(window, message, wparam, lparam);
        case WM_CLOSE:
            events.code = event_close_request;
            return 0;
        default:
            return DefWindowProcW(window, message, wparam, lparam);
    }
}
