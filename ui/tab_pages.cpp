// The pages of tab controls. A page is a hidden, transparent child window of the tab control,
// of the layer's "TemplateClass", so that commands of the controls on it become events like
// those of controls placed directly in a window; its handle is the item parameter of its tab.
// The page shown is always the tab control's topmost child. page_count and header_height are
// one set for the whole layer: pages added to an earlier tab control after a later one was
// created are placed with the later one's values. A page may get its controls only when it is
// first shown (build_page_when_shown).
#include "ui/tab_pages.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "ui/control_table.h"
#include "ui/event_state.h"
#include "ui/window_table.h"
#include "runtime/wide_text.h"

namespace {

constexpr UINT show_on_top = SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW;
constexpr UINT resize_only = SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW;

constexpr char focus_property[] = "korvane-tevra page focus";

int page_count = 0;
int header_height = 0;

struct page_to_build {
    HWND page;
    page_builder build;
};
std::vector<page_to_build> pages_to_build;

// Runs the page's builder if it still waits for one, with the page as the container.
void build_waiting_page(HWND page) {
    const auto waiting =
        std::find_if(pages_to_build.begin(), pages_to_build.end(),
                     [page](const page_to_build& each) { return each.page == page; });
    if (waiting == pages_to_build.end()) {
        return;
    }
    const page_builder build = waiting->build;
    pages_to_build.erase(waiting);  // once, even if the builder shows the page itself
    // The page's new controls raise no event of their own: a tab click that shows the page
    // reports that click.
    const event_state raised = events;
    HWND container = current_container();
    make_container(page);
    build();
    make_container(container);
    events = raised;
}

void measure_header(HWND tab) {
    RECT item = {};
    if (SendMessageA(tab, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item))) {
        header_height = item.bottom;
    }
}

// Adds an item with no caption, reads the row height from it and removes it again.
void measure_header_with_probe(HWND tab) {
    TCITEMA probe = {};
    probe.mask = 0;
    SendMessageA(tab, TCM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&probe));
    measure_header(tab);
    SendMessageA(tab, TCM_DELETEITEM, 0, 0);
}

HWND page_of(HWND tab, int index) {
    TCITEMA item = {};
    item.mask = TCIF_PARAM;
    if (!SendMessageA(tab, TCM_GETITEMA, static_cast<WPARAM>(index),
                      reinterpret_cast<LPARAM>(&item))) {
        return nullptr;
    }
    return reinterpret_cast<HWND>(item.lParam);
}

bool is_tab_control(HWND window) {
    char name[sizeof WC_TABCONTROLA + 1] = {};
    GetClassNameA(window, name, sizeof name);
    return lstrcmpiA(name, WC_TABCONTROLA) == 0;
}

int selected_index(HWND tab) {
    return static_cast<int>(SendMessageA(tab, TCM_GETCURSEL, 0, 0));
}

}  // namespace

void add_tab_page(HWND tab, const std::string& text) {
    RECT client = {};
    GetClientRect(tab, &client);
    HWND page = CreateWindowExW(
        WS_EX_TRANSPARENT, page_class_name, L"", WS_CHILD, 2, header_height + 2, client.right - 5,
        client.bottom - header_height - 5, tab, nullptr, program_instance(), nullptr);
    make_container(page);
    std::vector<wchar_t> caption = wide_text(text);
    TCITEMW item = {};
    item.mask = TCIF_TEXT | TCIF_PARAM;
    item.pszText = caption.data();
    item.lParam = reinterpret_cast<LPARAM>(page);
    SendMessageW(tab, TCM_INSERTITEMW, static_cast<WPARAM>(page_count),
                 reinterpret_cast<LPARAM>(&item));
    if (page_count == 0) {
        SetWindowPos(page, HWND_TOP, 0, 0, 0, 0, show_on_top);
        SetWindowPos(tab, HWND_TOP, 0, 0, 0, 0, show_on_top);
    }
    ++page_count;
}

void remove_tab_page(HWND tab, int index) {
    if (HWND page = page_of(tab, index)) {
        pages_to_build.erase(
            std::remove_if(pages_to_build.begin(), pages_to_build.end(),
                           [page](const page_to_build& each) { return each.page == page; }),
            pages_to_build.end());
        DestroyWindow(page);
    }
    SendMessageA(tab, TCM_DELETEITEM, static_cast<WPARAM>(index), 0);
}

void build_page_when_shown(int tab_number, int index, page_builder build) {
    HWND page = page_of(control_entry_of(tab_number).handle, index);
    if (page == nullptr || build == nullptr) {
        return;
    }
    // Pages destroyed with their window (not removed one by one) leave their entries here.
    pages_to_build.erase(
        std::remove_if(pages_to_build.begin(), pages_to_build.end(),
                       [](const page_to_build& each) { return !IsWindow(each.page); }),
        pages_to_build.end());
    pages_to_build.push_back({page, build});
    if (GetWindowLongPtrA(page, GWL_STYLE) & WS_VISIBLE) {
        build_waiting_page(page);
    }
}

void start_tab_pages(window_handle tab) {
    page_count = 0;
    measure_header_with_probe(tab);
}

int tab_header_height() {
    return header_height;
}

void show_selected_page(window_handle tab) {
    HWND page = page_of(tab, selected_index(tab));
    if (page == nullptr) {
        return;  // no item is selected: the page shown stays
    }
    build_waiting_page(page);
    HWND shown = GetWindow(tab, GW_CHILD);
    ShowWindow(shown, SW_HIDE);
    EnableWindow(shown, FALSE);
    EnableWindow(page, TRUE);
    SetWindowPos(page, HWND_TOP, 0, 0, 0, 0, show_on_top);
}

void lay_out_pages(window_handle tab) {
    measure_header(tab);
    RECT client = {};
    GetClientRect(tab, &client);
    const int count = static_cast<int>(SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0));
    for (int index = count - 1; index >= 0; --index) {
        HWND page = page_of(tab, index);
        SetWindowPos(page, nullptr, 0, 0, client.right - 4, client.bottom - header_height - 4,
                     resize_only);
        // Resized without a redraw, the page would leave what it gained to the tab control's
        // own paint, a band of another shade beside its labels.
        if (IsWindowVisible(page))
            InvalidateRect(page, nullptr, TRUE);
    }
}

void note_page_focus() {
    HWND focus = GetFocus();
    if (focus == nullptr || (GetWindowLongPtrA(focus, GWL_STYLE) & WS_CHILD) == 0)
        return;
    for (HWND window = focus; window != nullptr && window != GetDesktopWindow();) {
        HWND parent = GetAncestor(window, GA_PARENT);
        if (window != focus && is_tab_control(parent)) {
            SetPropA(window, focus_property, focus);  // window is the focused control's page
            return;
        }
        window = parent;
    }
}

void focus_shown_page(window_handle tab) {
    HWND page = page_of(tab, selected_index(tab));
    HWND kept = page != nullptr ? static_cast<HWND>(GetPropA(page, focus_property)) : nullptr;
    if (kept != nullptr && IsChild(page, kept) && IsWindowVisible(kept) && IsWindowEnabled(kept))
        SetFocus(kept);
    else
        SetFocus(tab);
}
