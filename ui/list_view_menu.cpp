// The context menu of a list view: a popup menu of the application's commands, shown where it
// was asked for, that returns the command chosen instead of sending it.
#include <windows.h>
#include <commctrl.h>

#include "ui/control_table.h"
#include "ui/list_view.h"
#include "ui/list_view_store.h"
#include "runtime/wide_text.h"

namespace {

// Where the menu opens: the mouse's point, or from the keyboard the focused row's lower left
// corner (the list's upper left when no row is focused and shown).
POINT menu_point(HWND list, LPARAM asked) {
    if (asked != -1)
        return {static_cast<short>(LOWORD(asked)), static_cast<short>(HIWORD(asked))};
    POINT point = {0, 0};
    const int place = static_cast<int>(
        SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
    RECT row = {};
    row.left = LVIR_LABEL;
    if (place >= 0 && SendMessageA(list, LVM_GETITEMRECT, static_cast<WPARAM>(place),
                                   reinterpret_cast<LPARAM>(&row)))
        point = {row.left, row.bottom};
    ClientToScreen(list, &point);
    return point;
}

}  // namespace

int choose_list_view_command(int number, const std::vector<list_view_command>& commands) {
    HWND list = control_entry_of(number).handle;
    const list_store* store = store_of(list);
    HMENU menu = CreatePopupMenu();
    if (store == nullptr || menu == nullptr)
        return 0;
    for (const list_view_command& command : commands) {
        if (command.number == 0)
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        else
            AppendMenuW(menu, MF_STRING | (command.greyed ? MF_GRAYED : MF_ENABLED),
                        static_cast<UINT_PTR>(command.number), wide_text(command.text).data());
    }
    const POINT point = menu_point(list, store->menu_point);
    const int chosen = static_cast<int>(TrackPopupMenu(
        menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, point.x, point.y, 0, list, nullptr));
    DestroyMenu(menu);
    return chosen;
}
