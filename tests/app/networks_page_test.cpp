// The Networks page through the program's event loop against the phone simulator: Read, a
// rename typed into the list, Write with its question, backup and read-back, Open and Save as
// through the real dialogs, and each refusal.
#include "tests/app/app_test_support.h"

#include <commctrl.h>

#include "app/event_loop.h"
#include "app/main_window.h"
#include "ui/list_view.h"
#include "phone/network_names.h"
#include "phone/operator_table.h"
#include "procedures/connect.h"
#include "app/networks_page.h"
#include "procedures/networks_read.h"
#include "procedures/networks_write.h"
#include "procedures/patch.h"
#include "tests/ui/ui_test_support.h"
#include "ui/control.h"
#include "ui/status_bar.h"
#include "ui/window.h"
#include "ui/window_geometry.h"

namespace {

constexpr DWORD give_up_ms = 20000;
const std::string written_status = "Written. Press ''restart'' on the Main page";
const std::string read_status = "Read 3 networks from phone.";

class networks_page_test : public app_test {
protected:
    void SetUp() override {
        app_test::SetUp();
        set_control_state(tab_control, 3);
        drain_events();
        files = folder / "files";
        std::filesystem::create_directories(files);
    }

    // Clicks the button and runs the event loop until the status shows something new.
    void click(int button) {
        set_status_text(main_status_bar, 0, "", 0);
        PostMessageA(control(button), BM_CLICK, 0, 0);
        const DWORD start = GetTickCount();
        run_from_polls([this, start] {
            const std::string status = status_text();
            if ((status.empty() || status == "Loading..." || status == "Writing...") &&
                GetTickCount() - start <= give_up_ms)
                return false;
            close_by_helper();
            return true;
        });
        run_loop();
    }

    // Types the name into the row's editor, opened with F2, and presses Enter; the rows `also`
    // are selected with it.
    void rename_row(int row, const std::string& name, const std::vector<int>& also = {}) {
        HWND list = control(network_list);
        set_control_state(network_list, row);
        for (int each : also) {
            LVITEMA item = {};
            item.stateMask = item.state = LVIS_SELECTED;
            SendMessageA(list, LVM_SETITEMSTATE, each, reinterpret_cast<LPARAM>(&item));
        }
        SetFocus(list);
        PostMessageA(list, WM_KEYDOWN, VK_F2, 1);
        const DWORD start = GetTickCount();
        bool typed = false;
        run_from_polls([this, list, name, start, typed]() mutable {
            HWND editor = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETEDITCONTROL, 0, 0));
            if (!typed && editor) {
                SetWindowTextA(editor, name.c_str());
                PostMessageA(editor, WM_KEYDOWN, VK_RETURN, 1);
                typed = true;
            } else if ((typed && !editor) || GetTickCount() - start > give_up_ms) {
                close_by_helper();
                return true;
            }
            return false;
        });
        run_loop();
    }

    // Runs the action from the loop, then lets it run until done (and no box is open).
    void in_loop(std::function<void()> action, std::function<bool()> done) {
        const DWORD start = GetTickCount();
        run_from_polls([this, action, done, start, acted = false]() mutable {
            if (!acted)
                action();
            acted = true;
            if ((!done() || !IsWindowEnabled(window_of(main_window))) &&
                GetTickCount() - start <= give_up_ms)
                return false;
            close_by_helper();
            return true;
        });
        run_loop();
    }

    // The close that ends a helper's loop; Yes to the question it may ask, which is not the test's.
    void close_by_helper() {
        helper_boxes = boxes().size();
        answer_boxes_with(IDYES);
        PostMessageA(window_of(main_window), WM_CLOSE, 0, 0);
    }

    // Runs the loop until the close ends it; true when the helper's close did.
    bool run_loop() {
        helper_boxes = SIZE_MAX;
        int wait_seconds = 0;
        run_event_loop(wait_seconds);
        stop_poll_steps();
        if (helper_boxes == SIZE_MAX)
            return false;
        boxes().resize(std::min(boxes().size(), helper_boxes));
        return true;
    }

    // The table rows as the list shows them, by their "#".
    static std::vector<int> shown_rows() {
        std::vector<int> rows;
        for (int place = 0; place < count_control_items(network_list); ++place)
            rows.push_back(std::stoi(shown(place, 5)) - 1);
        return rows;
    }

    static std::string shown(int row, int column) {
        char text[300] = {};
        LVITEMA item = {};
        item.iSubItem = column;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(control(network_list), LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
        return text;
    }

    void expect_refused(const std::string& text) {
        ASSERT_FALSE(boxes().empty()) << text;
        EXPECT_EQ(boxes().back().text, text);
        EXPECT_EQ(boxes().back().flags, message_box_exclamation);
        EXPECT_EQ(status_text(), "Failed.");
        boxes().clear();
    }

    std::filesystem::path files;     // table files the dialogs choose
    size_t helper_boxes = SIZE_MAX;  // boxes shown before the helper's close
};

const std::vector<std::string> read_calls = {
    "P2K_GetStatus()",       "File_Create(\"/a/plmn_text_table.bin\", 4)",
    "File_SetPointer(0, 0)", "File_Read(ADDR, 20000)",
    "File_Close()",          "P2K_GetStatus()"};

std::vector<std::string> write_calls(size_t written) {
    std::vector<std::string> calls = read_calls;
    const std::vector<std::string> rest = {
        "File_Delete(\"/a/plmn_text_table.bin\", 4)", "File_SetPointer(0, 0)",
        "File_Create(\"/a/plmn_text_table.bin\", 4)",
        "File_Write(ADDR, " + std::to_string(written) + ")", "File_Close()"};
    calls.insert(calls.end(), rest.begin(), rest.end());
    calls.insert(calls.end(), read_calls.begin() + 1, read_calls.end() - 1);
    return calls;
}

TEST_F(networks_page_test, PageFitsTheWindowBesideTheOtherThree) {
    HWND tab = control(tab_control);
    ASSERT_EQ(SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0), 4);
    RECT last = {}, area = {};
    SendMessageA(tab, TCM_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&last));
    GetClientRect(tab, &area);
    EXPECT_LE(last.right, area.right);
    RECT first = {};
    SendMessageA(tab, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
    EXPECT_EQ(last.top, first.top);  // one row of tabs
    HWND page = GetParent(control(network_list));
    RECT page_area = {};
    GetClientRect(page, &page_area);
    for (int number : {network_list, read_button, write_button, open_button, save_as_button}) {
        const RECT placed = rect_in_parent(control(number));
        EXPECT_LE(placed.right, page_area.right) << number;
        EXPECT_LE(placed.bottom, page_area.bottom) << number;
    }
    HWND headers = reinterpret_cast<HWND>(SendMessageA(control(network_list), LVM_GETHEADER, 0, 0));
    EXPECT_EQ(SendMessageA(headers, HDM_GETITEMCOUNT, 0, 0), 6);
}

// Read shows the rows; one row renamed in place is written with every other record as it was,
// after the old table went to a backup.
TEST_F(networks_page_test, RenamedRowIsWhatWriteGivesThePhone) {
    const std::string old_table = table_bytes(sample_records());
    connected_phone_with(old_table);

    click(read_button);
    EXPECT_EQ(status_text(), read_status);
    EXPECT_EQ(log_calls(), read_calls);
    ASSERT_EQ(count_control_items(network_list), 3);
    EXPECT_EQ(shown(0, 0), "MTS");
    EXPECT_EQ(shown(0, 1), "250-01");
    EXPECT_EQ(shown(0, 4), "52 F0 10 00");
    EXPECT_EQ(shown(2, 1), "002-03");
    EXPECT_EQ(shown(2, 4), "00 F2 30 01");

    rename_row(1, "Renamed");
    EXPECT_EQ(shown(1, 0), "*Renamed");
    EXPECT_EQ(shown(0, 0), "MTS");
    rename_row(2, "Mega");  // "Mega\0fon" as shown, kept as it was: no rename
    EXPECT_EQ(shown(2, 0), "Mega");

    auto records = sample_records();
    records[1].name = "Renamed";
    const std::string new_table = table_bytes(records);
    click(write_button);
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].text, "Write 3 networks to the phone?");
    EXPECT_EQ(boxes()[0].flags, message_box_question_yes_no);
    EXPECT_EQ(status_text(), written_status);
    EXPECT_EQ(phone_table(), new_table);
    const auto calls = log_calls();
    EXPECT_EQ(std::vector<std::string>(calls.begin() + read_calls.size(), calls.end()),
              write_calls(new_table.size()));
    const auto saved = backups();
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].second, old_table);
    EXPECT_EQ(shown(1, 0), "Renamed");
}

// The backup a Patch keeps, opened and written, is the phone's table again byte for byte.
TEST_F(networks_page_test, OpenABackupAndWriteRestoresIt) {
    const std::string old_table = table_bytes(sample_records());
    connected_phone_with(old_table);
    run_patch(network_page().model());
    ASSERT_EQ(status_text(), success_status);
    const std::string patched = phone_table();
    ASSERT_EQ(backups().size(), 1u);
    const std::string backup_name = backups()[0].first;

    answer_file_dialogs_with({backup_name});  // the dialog starts in the backup folder
    click(open_button);
    EXPECT_EQ(status_text(), "Opened 3 networks from " + backup_name + ".");
    click(write_button);
    EXPECT_EQ(status_text(), written_status);
    EXPECT_EQ(phone_table(), old_table);
    const auto saved = backups();
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(saved[saved[0].first == backup_name ? 1 : 0].second, patched);
}

// Save as writes the records only; the file opens again, as does the same table with zero fill;
// saving over a file replaces it after the dialog's question.
TEST_F(networks_page_test, SaveAsAndOpenRoundTrip) {
    connected_phone_with(table_bytes(sample_records()));
    click(read_button);
    rename_row(0, "Saved");
    auto records = sample_records();
    records[0].name = "Saved";
    const std::string table = table_bytes(records);
    const std::string saved = (files / "saved.bin").string();
    write_file(saved, "an older file");

    answer_file_dialogs_with({saved});
    click(save_as_button);
    EXPECT_EQ(status_text(), "Saved 3 networks to saved.bin.");
    EXPECT_EQ(read_file(saved), table);
    ASSERT_EQ(boxes().size(), 1u);  // the dialog's question before replacing
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(files), {}), 1);  // no temporary
    EXPECT_EQ(shown(0, 0), "Saved");

    std::string filled = table;
    filled.resize(20000, '\0');
    write_file(files / "filled.bin", filled);
    for (const char* name : {"saved.bin", "filled.bin"}) {
        put_phone_table(table_bytes(numbered_records(2, "X")));
        click(read_button);
        ASSERT_EQ(count_control_items(network_list), 2);
        answer_file_dialogs_with({(files / name).string()});
        click(open_button);
        EXPECT_EQ(status_text(), std::string("Opened 3 networks from ") + name + ".");
        ASSERT_EQ(network_page().model().records.size(), 3u);
        EXPECT_EQ(network_page().model().records[0].name, "Saved");
        EXPECT_EQ(network_page().model().records[2].name, records[2].name);  // "Mega\0fon"
    }
}

// A spreadsheet file saved from the list renames nothing when opened again; edited, it renames
// the records it names and nothing else; a file with a fault, or one opened into an empty list,
// leaves the list as it was.
TEST_F(networks_page_test, SpreadsheetFileRenamesTheListOnly) {
    const std::string sheet = (files / "names.csv").string();
    write_file(sheet, "Key,Name on phone\r\n52 F0 10 00,Mine\r\n");
    answer_file_dialogs_with({sheet});
    click(open_button);
    expect_refused("Read the phone's table or open a table file first.");

    connected_phone_with(table_bytes(sample_records()));
    click(read_button);
    answer_file_dialogs_with({sheet});
    click(save_as_button);
    EXPECT_EQ(status_text(), "Saved 3 networks to names.csv.");
    const std::string saved = read_file(sheet);
    const std::string header = "\xEF\xBB\xBFName on phone,Network,Country,Operator,Key\r\n";
    EXPECT_EQ(saved.substr(0, header.size()), header);

    const struct {
        std::string text;
        std::string status_or_refusal;
    } files_opened[] = {
        {saved, "Renamed 0 networks from names.csv."},
        {"Key,Name on phone\r\n52 F0 10,Other\r\n",
         "names.csv, line 2: the key is not four bytes in hex."},
        {"Name on phone;Key\n\"Mine\";52 f0 10 00\n", "Renamed 1 network from names.csv."},
        // Yes to the discard question first: the row it leaves out loses its rename.
        {"Key,Name on phone\r\n00 F2 30 01,Third\r\n52 F0 10 00,MTS\r\n",
         "Renamed 1 network from names.csv."},
    };
    for (const auto& opened : files_opened) {
        write_file(sheet, opened.text);
        answer_file_dialogs_with({sheet});
        click(open_button);
        if (status_text() == "Failed.")
            expect_refused(opened.status_or_refusal);
        else
            EXPECT_EQ(status_text(), opened.status_or_refusal);
    }
    auto records = sample_records();
    records[2].name = "Third";
    EXPECT_EQ(format_operator_table(network_page().model().records), table_bytes(records));
    EXPECT_EQ(shown(0, 0) + shown(2, 0), "MTS*Third");
}

// Each refusal says why, and the phone sees no write: a damaged or empty file (the list keeps
// its rows), a name over 255 bytes, a table over 20000 bytes, a phone not connected, an empty
// list; No to the question writes nothing either.
TEST_F(networks_page_test, RefusalsWriteNothing) {
    const std::string old_table = table_bytes(sample_records());
    connected_phone_with(old_table);
    SetFocus(control(write_button));
    click(write_button);  // nothing read or opened yet
    expect_refused(
        "There is no table to write.\nRead the phone's table or open a table file first.");
    EXPECT_EQ(GetFocus(), control(write_button));  // back where it was before the box
    click(read_button);

    write_file(files / "damaged.bin", old_table.substr(0, old_table.size() - 2));
    write_file(files / "empty.bin", "");
    write_file(files / "zeros.bin", std::string(100, '\0'));
    for (const char* name : {"damaged.bin", "empty.bin", "zeros.bin"}) {
        answer_file_dialogs_with({(files / name).string()});
        click(open_button);
        expect_refused(std::string(name) + " doesn't look like operator table.");
        EXPECT_EQ(shown(0, 0), "MTS");
        EXPECT_EQ(count_control_items(network_list), 3);
    }

    answer_boxes_with(IDNO);
    run_write(network_page());
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].text, "Write 3 networks to the phone?");
    boxes().clear();
    answer_boxes_with(IDYES);

    write_file(files / "long.bin", table_bytes(numbered_records(100, std::string(250, 'L'))));
    answer_file_dialogs_with({(files / "long.bin").string()});
    click(open_button);
    EXPECT_EQ(status_text(), "Opened 100 networks from long.bin.");
    click(write_button);
    expect_refused("Table is 25500 bytes, the phone takes at most 20000.\nNothing was written.");

    set_variable("P2KSIM_CONNECTED", nullptr);
    reset_phone();
    click(read_button);
    EXPECT_EQ(status_text(), "Phone is not connected, can't read");
    write_file(files / "good.bin", old_table);
    answer_file_dialogs_with({(files / "good.bin").string()});
    click(open_button);
    click(write_button);
    EXPECT_EQ(status_text(), "Phone is not connected, can't write");
    EXPECT_FALSE(log_has_write());
    EXPECT_EQ(phone_table(), old_table);
    EXPECT_TRUE(backups().empty());
}

// Find: the rows whose name, network, country or operator holds the text, whatever its case,
// and "N of M"; a row renamed so that it no longer matches stays until the text changes.
TEST_F(networks_page_test, FindShowsTheRowsThatHoldTheText) {
    connected_phone_with(table_bytes(sample_records()));
    click(read_button);
    const struct {
        const char* text;
        std::vector<int> rows;
    } finds[] = {
        {"", {0, 1, 2}},        {"BEE", {1}},     {"250-0", {0, 1}}, {"002-", {2}},
        {"federation", {0, 1}}, {"megafon", {1}}, {"fon", {1}},      {"zz", {}},
    };
    for (const auto& find : finds) {
        in_loop([&] { SetWindowTextA(control(find_field), find.text); }, [] { return true; });
        EXPECT_EQ(shown_rows(), find.rows) << find.text;
        EXPECT_EQ(get_control_text(find_count_label), std::to_string(find.rows.size()) + " of 3")
            << find.text;
    }
    in_loop([] { SetWindowTextA(control(find_field), "bee"); }, [] { return true; });
    rename_row(1, "Home");
    EXPECT_EQ(shown(0, 0), "*Home");
    in_loop([] { SetWindowTextA(control(find_field), "be"); }, [] { return true; });
    EXPECT_EQ(shown_rows(), std::vector<int>());

    SetFocus(control(network_list));  // Ctrl+F on the page: to the find box
    hold_key(VK_CONTROL, true);
    bool found = false;
    in_loop([] { PostMessageA(control(network_list), WM_KEYDOWN, 'F', 1); },
            [&found] { return found = GetFocus() == control(find_field); });
    hold_key(VK_CONTROL, false);
    EXPECT_TRUE(found);
}

// The list's context menu, opened by Shift+F10 or a right click on a row, its command chosen with
// the keyboard: the network data's names for the selected rows, and a copy of the row clicked.
TEST_F(networks_page_test, ContextMenuByKeyboardAndMouse) {
    connected_phone_with(table_bytes(sample_records()));
    click(read_button);
    HWND list = control(network_list);
    const auto choose = [this, list](std::function<void()> open, int item) {
        bool chosen = false;
        in_loop(open, [&chosen, item] {
            HWND menu = FindWindowA("#32768", nullptr);
            const bool shown = menu != nullptr && IsWindowVisible(menu);
            if (!chosen && shown) {
                for (int each = 0; each < item; ++each)
                    PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 1);
                PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 1);
                chosen = true;
            }
            return chosen && !shown;
        });
        EXPECT_TRUE(chosen);
    };
    SetFocus(list);
    select_all_list_view_rows(network_list);
    hold_key(VK_SHIFT, true);
    choose([list] { PostMessageA(list, WM_SYSKEYDOWN, VK_F10, 1); }, 2);
    hold_key(VK_SHIFT, false);
    EXPECT_EQ(status_text(), "Named 2 networks from the network data.");
    EXPECT_EQ(shown(0, 0) + shown(1, 0) + shown(2, 0),
              "MTS*" + network_operator("250-02") + "Mega");

    set_control_state(network_list, 0);
    RECT row = {LVIR_BOUNDS, 0, 0, 0};
    SendMessageA(list, LVM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&row));
    const LPARAM at = MAKELPARAM(row.left + 4, row.top + 2);
    choose(
        [list, at] {
            PostMessageA(list, WM_RBUTTONDOWN, MK_RBUTTON, at);
            PostMessageA(list, WM_RBUTTONUP, 0, at);
        },
        3);
    ASSERT_TRUE(OpenClipboard(list));
    HGLOBAL copied = GetClipboardData(CF_TEXT);
    EXPECT_STREQ(
        static_cast<const char*>(GlobalLock(copied)),
        "Name on phone\tNetwork\tCountry\tOperator\tKey\t#\r\nMega\t002-03\t\t\t00 F2 30 01\t3");
    GlobalUnlock(copied);
    CloseClipboard();
}

// Tab and Shift+Tab go through the page in reading order.
TEST_F(networks_page_test, KeyboardFocusGoesInReadingOrder) {
    HWND tab = control(tab_control);
    const auto press = [this](WPARAM key) {
        in_loop([key] { PostMessageA(GetFocus(), WM_KEYDOWN, key, 1); }, [] { return true; });
    };
    SetFocus(tab);
    std::vector<HWND> order;
    for (int step = 0; step < 7; ++step) {
        press(VK_TAB);
        order.push_back(GetFocus());
    }
    const std::vector<HWND> reading = {control(find_field),
                                       control(network_list),
                                       control(read_button),
                                       control(write_button),
                                       control(open_button),
                                       control(save_as_button),
                                       tab};
    EXPECT_EQ(order, reading);
    hold_key(VK_SHIFT, true);
    press(VK_TAB);  // back from the tab strip to the last
    hold_key(VK_SHIFT, false);
    EXPECT_EQ(GetFocus(), control(save_as_button));

    // A tab clicked gives the focus to the control its page had last, else to the strip; arrow
    // keys on the strip keep it there.
    const auto click_tab = [this, tab](int index) {
        RECT item = {};
        SendMessageA(tab, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
        in_loop([&] { post_click(tab, item.left + 4, item.top + 4); }, [] { return true; });
        EXPECT_EQ(get_control_state(tab_control), index);
    };
    click_tab(0);
    EXPECT_EQ(GetFocus(), tab);
    click_tab(3);
    EXPECT_EQ(GetFocus(), control(save_as_button));
    click_tab(0);
    for (int step = 0; step < 3; ++step)
        press(VK_RIGHT);
    EXPECT_EQ(get_control_state(tab_control), 3);
    EXPECT_EQ(GetFocus(), tab);
}

// A header click sorts the rows shown by its column, again reversed, a third time back to table
// order, with the header's arrow; Write keeps table order whatever is shown.
TEST_F(networks_page_test, HeaderClicksSortWhatIsShownNotTheTable) {
    connected_phone_with(table_bytes(sample_records()));
    click(read_button);
    resize_current_window(700, 400);  // every header in sight
    HWND headers = reinterpret_cast<HWND>(SendMessageA(control(network_list), LVM_GETHEADER, 0, 0));
    const struct {
        int column;
        std::vector<int> rows;
        int arrow;
    } clicks[] = {
        {0, {1, 2, 0}, HDF_SORTUP}, {0, {0, 2, 1}, HDF_SORTDOWN}, {0, {0, 1, 2}, 0},
        {1, {2, 0, 1}, HDF_SORTUP}, {5, {0, 1, 2}, HDF_SORTUP},   {5, {2, 1, 0}, HDF_SORTDOWN},
    };
    for (const auto& header : clicks) {
        RECT area = {};
        SendMessageA(headers, HDM_GETITEMRECT, header.column, reinterpret_cast<LPARAM>(&area));
        in_loop([&] { post_click(headers, (area.left + area.right) / 2, area.bottom / 2); },
                [] { return true; });
        EXPECT_EQ(shown_rows(), header.rows) << header.column;
        HDITEMA item = {};
        item.mask = HDI_FORMAT;
        SendMessageA(headers, HDM_GETITEMA, header.column, reinterpret_cast<LPARAM>(&item));
        EXPECT_EQ(item.fmt & (HDF_SORTUP | HDF_SORTDOWN), header.arrow) << header.column;
    }
    rename_row(1, "Renamed");
    click(write_button);
    auto records = sample_records();
    records[1].name = "Renamed";
    EXPECT_EQ(phone_table(), table_bytes(records));
}

// F2 with several rows selected names them all; a name given back takes the mark away.
TEST_F(networks_page_test, OneNameForSeveralRows) {
    connected_phone_with(table_bytes(sample_records()));
    click(read_button);
    rename_row(2, "Home", {0});
    EXPECT_EQ(status_text(), "Renamed 2 networks.");
    EXPECT_EQ(shown(0, 0) + shown(1, 0) + shown(2, 0), "*HomeBee\xFFLine*Home");
    rename_row(0, "MTS");
    EXPECT_EQ(status_text(), "Renamed 1 network.");
    EXPECT_EQ(shown(0, 0), "MTS");
    EXPECT_EQ(renamed_network_count(network_page().model()), 1u);
}

// Ctrl+Z and Ctrl+Y on the list, and the context menu's last two items, which name the steps:
// the names and marks go back and forth and the status says so; a Write keeps the history, and
// gives the phone the names as they were then.
TEST_F(networks_page_test, UndoAndRedoByKeysAndByTheMenu) {
    connected_phone_with(table_bytes(sample_records()));
    click(read_button);
    rename_row(2, "Home", {0});
    rename_row(1, "Other");
    HWND list = control(network_list);
    const auto names = [] { return shown(0, 0) + "," + shown(1, 0) + "," + shown(2, 0); };
    const std::string one = "*Home,Bee\xFFLine,*Home", both = "*Home,*Other,*Home";
    // A key with Ctrl held, or the menu's item 5 (Undo) or 6 (Redo), after four commands and a
    // line.
    const struct {
        WPARAM key;
        int item;
        bool write_first;
        std::string items, status, names;
    } steps[] = {
        {'Z', 0, false, "", "Undone: renamed 1 network.", one},
        {'Y', 0, false, "", "Redone: renamed 1 network.", both},
        {0, 5, false, "Undo rename of 1 network\tCtrl+Z|Redo\tCtrl+Y (greyed)|",
         "Undone: renamed 1 network.", one},
        {0, 6, false, "Undo rename of 2 networks\tCtrl+Z|Redo rename of 1 network\tCtrl+Y|",
         "Redone: renamed 1 network.", both},
        {'Z', 0, true, "", "Undone: renamed 1 network.", "Home,*Bee\xFFLine,Home"},
    };
    for (const auto& step : steps) {
        if (step.write_first) {
            click(write_button);
            auto records = sample_records();
            records[0].name = records[2].name = "Home";
            records[1].name = "Other";
            EXPECT_EQ(phone_table(), table_bytes(records));
        }
        std::string items;
        set_status_text(main_status_bar, 0, "", 0);
        SetFocus(list);
        hold_key(step.key != 0 ? VK_CONTROL : VK_SHIFT, true);
        in_loop(
            [&] {
                PostMessageA(list, step.key != 0 ? WM_KEYDOWN : WM_SYSKEYDOWN,
                             step.key != 0 ? step.key : VK_F10, 1);
            },
            [&] {
                HWND menu = FindWindowA("#32768", nullptr);
                if (step.item != 0 && items.empty() && menu != nullptr && IsWindowVisible(menu)) {
                    HMENU popup = reinterpret_cast<HMENU>(SendMessageA(menu, MN_GETHMENU, 0, 0));
                    for (UINT item : {5, 6}) {
                        char text[100] = {};
                        GetMenuStringA(popup, item, text, sizeof text, MF_BYPOSITION);
                        const bool greyed = GetMenuState(popup, item, MF_BYPOSITION) & MF_GRAYED;
                        items += text + std::string(greyed ? " (greyed)|" : "|");
                    }
                    for (int down = 0; down < step.item; ++down)
                        PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 1);
                    PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 1);
                }
                return status_text() == step.status;
            });
        hold_key(step.key != 0 ? VK_CONTROL : VK_SHIFT, false);
        EXPECT_EQ(items, step.items);
        EXPECT_EQ(status_text(), step.status);
        EXPECT_EQ(names(), step.names);
    }
}

// Read, Open... and closing the window ask before renames not written or saved are lost (a
// name still in the editor counts); No leaves everything as it was.
TEST_F(networks_page_test, RenamesAreNotLostWithoutAsking) {
    const std::string question =
        "1 network was renamed but not written or saved.\nDiscard the changes?";
    write_file(files / "two.bin", table_bytes(numbered_records(2, "X")));
    const auto post_close = [] { PostMessageA(window_of(main_window), WM_CLOSE, 0, 0); };
    const auto close_editing = [] {
        edit_list_view_label(network_list, 1);
        SetWindowTextA(
            reinterpret_cast<HWND>(SendMessageA(control(network_list), LVM_GETEDITCONTROL, 0, 0)),
            "Typed");
        PostMessageA(window_of(main_window), WM_CLOSE, 0, 0);
    };
    const struct {
        const char* name;
        std::function<void()> action;
        int answer;
        std::string asked;
        std::string first_row;  // as shown afterwards ("" for a closed window)
    } cases[] = {
        {"Read, No", [] { PostMessageA(control(read_button), BM_CLICK, 0, 0); }, IDNO, question,
         "*Home"},
        {"Read, Yes", [] { PostMessageA(control(read_button), BM_CLICK, 0, 0); }, IDYES, question,
         "MTS"},
        {"Open, No", [] { PostMessageA(control(open_button), BM_CLICK, 0, 0); }, IDNO, question,
         "*Home"},
        {"Open, Yes", [] { PostMessageA(control(open_button), BM_CLICK, 0, 0); }, IDYES, question,
         "X"},
        {"Close, No", post_close, IDNO, question, "*Home"},
        {"Close, Yes", post_close, IDYES, question, ""},
        {"Close, editing", close_editing, IDNO,
         "2 networks were renamed but not written or saved.\nDiscard the changes?", "*Home"},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(each.name);
        connected_phone_with(table_bytes(sample_records()));
        click(read_button);
        rename_row(0, "Home");
        boxes().clear();
        answer_boxes_with(each.answer);
        answer_file_dialogs_with({(files / "two.bin").string()});
        const size_t calls = log_calls().size();
        const int dialogs = file_dialogs();
        // Until the page shows the outcome asserted below (a closing window ends the loop).
        in_loop(each.action, [&] {
            return !boxes().empty() && shown(0, 0) == each.first_row &&
                   file_dialogs() - dialogs == (each.first_row == "X" ? 1 : 0) &&
                   (log_calls().size() > calls) == (each.first_row == "MTS");
        });
        ASSERT_EQ(boxes().size(), 1u);
        EXPECT_EQ(boxes()[0].text, each.asked);
        EXPECT_EQ(boxes()[0].flags, message_box_warning_yes_no_default_no);
        EXPECT_EQ(helper_boxes != SIZE_MAX, !each.first_row.empty());  // the window stayed
        if (!each.first_row.empty()) {
            EXPECT_EQ(shown(0, 0), each.first_row);
        }
        EXPECT_EQ(file_dialogs() - dialogs, each.first_row == "X" ? 1 : 0);
        EXPECT_EQ(log_calls().size() > calls, each.first_row == "MTS");
    }
}

// Write onto a damaged table (none at all: cut_off_write_test): two reads alike ask; Yes keeps its
// bytes and writes, No writes nothing. A second read finding the table is taken; unlike, refused.
TEST_F(networks_page_test, WriteOntoATableThatCannotBeRead) {
    const std::string damaged = table_bytes(numbered_records(999, std::string(15, 'n'))) +
                                std::string("\x52\xF0\x99\x01\x32", 5) + std::string(15, 'x');
    std::vector<operator_record> records;
    parse_operator_table(table_bytes(numbered_records(2, "New")), records);
    const std::string question =
        "The phone's table can't be read: a write may have been cut off.\nIf your phone still "
        "shows network names, answer No and connect again.\nWrite the 2 listed networks to the "
        "phone anyway?";
    const std::tuple<std::string, const char*, int, std::string> cases[] = {
        {damaged, "", IDYES, written_status},
        {damaged, "", IDNO, "Nothing was written."},
        {table_bytes(sample_records()), "File_Read:1", IDYES, written_status},
        {damaged, "File_Read:1", IDYES, "Failed."}};
    for (const auto& [table, fail, answer, status] : cases) {
        std::filesystem::remove_all(backup_folder());
        set_variable("P2KSIM_FAIL", fail);
        connected_phone_with(table);
        load_networks(network_page().model(), records);
        answer_boxes_with(IDYES, answer);
        run_write(network_page());
        EXPECT_EQ(boxes().back().text == question &&
                      boxes().back().flags == message_box_warning_yes_no_default_no,
                  !*fail);
        EXPECT_EQ(status_text(), status);
        EXPECT_EQ(phone_table(), status == written_status ? format_operator_table(records) : table);
        const auto saved = backups();
        ASSERT_EQ(saved.size(), status == written_status ? 1u : 0u);
        EXPECT_TRUE(saved.empty() || saved[0].second == table);
    }
}

// The cable pulled after each of the 15 calls of a Write (0: before the first): the phone keeps
// its old table or holds the new one, or the user is told and the backup holds the old table.
class write_cable_pulled_test : public networks_page_test,
                                public ::testing::WithParamInterface<int> {};

TEST_P(write_cable_pulled_test, PhoneKeepsATableOrTheUserIsTold) {
    const std::string old_table = table_bytes(sample_records());
    connected_phone_with(old_table);
    run_read(network_page());
    ASSERT_EQ(status_text(), read_status);
    rename_networks(network_page().model(), {2}, "New name");
    auto records = sample_records();
    records[2].name = "New name";
    const std::string new_table = table_bytes(records);
    set_variable("P2KSIM_PULL_AFTER", std::to_string(GetParam()).c_str());
    reset_phone();

    run_write(network_page());

    const std::string status = status_text();
    SCOPED_TRACE("status \"" + status + "\"");
    const bool success = status == written_status;
    const bool told = status == "Failed." || status == "Phone is not connected, can't write";
    expect_phone_safe(old_table, new_table, success, told);
    run_connect(0);
    run_write(network_page());  // the way back: the list kept the table to write
    EXPECT_EQ(phone_table(), new_table);
}

INSTANTIATE_TEST_SUITE_P(AfterEachCall, write_cable_pulled_test, ::testing::Range(0, 15));

}  // namespace
