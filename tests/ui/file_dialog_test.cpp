// The open and save dialogs as the platform shows them: a hook plays the user, typing a name
// into the dialog's file name box and pressing OK (or Cancel), and answering the question a
// save over an existing file asks.
#include "tests/ui/ui_test_support.h"

#include <commdlg.h>
#include <dlgs.h>

#include <filesystem>
#include <fstream>

#include "ui/file_dialog.h"

namespace {

const file_kind tables = {"Operator tables (*.bin)", "*.bin", "bin"};

std::string typed_name;  // what the user types; empty: Cancel
int questions = 0;        // boxes with a Yes button, answered Yes
HWND answered = nullptr;  // a dialog is answered once, however often it is activated

LRESULT CALLBACK play_user(int code, WPARAM wparam, LPARAM lparam) {
    HWND dialog = reinterpret_cast<HWND>(wparam);
    if (code == HCBT_ACTIVATE && dialog != answered && class_name_of(dialog) == "#32770") {
        if (GetDlgItem(dialog, IDYES) != nullptr) {
            ++questions;
            PostMessageA(dialog, WM_COMMAND, IDYES, 0);
            return CallNextHookEx(nullptr, code, wparam, lparam);
        }
        answered = dialog;
        if (typed_name.empty()) {
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        } else {
            SetDlgItemTextA(dialog, GetDlgItem(dialog, cmb13) ? cmb13 : edt1, typed_name.c_str());
            PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        }
    }
    return CallNextHookEx(nullptr, code, wparam, lparam);
}

class file_dialog_test : public ui_test {
protected:
    void SetUp() override {
        ui_test::SetUp();
        window = open_main_window();
        folder = std::filesystem::temp_directory_path() /
                 ("kt-file-dialog-" + std::to_string(GetCurrentProcessId()));
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        std::ofstream(folder / "old.bin") << "old";
        questions = 0;
        hook = SetWindowsHookExA(WH_CBT, play_user, nullptr, GetCurrentThreadId());
    }
    void TearDown() override {
        UnhookWindowsHookEx(hook);
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
        ui_test::TearDown();
    }

    HWND window = nullptr;
    HHOOK hook = nullptr;
    std::filesystem::path folder;
};

// Open takes a full path or a name in the starting folder; Save adds the extension and asks
// before an existing file is replaced; Cancel gives nothing.
TEST_F(file_dialog_test, DialogsGiveTheChosenPathOrNothing) {
    typed_name = (folder / "old.bin").string();
    EXPECT_EQ(choose_file_to_open(window, folder.string(), tables), typed_name);
    typed_name = "new";
    EXPECT_EQ(choose_file_to_save(window, folder.string(), tables), (folder / "new.bin").string());
    EXPECT_EQ(questions, 0);
    typed_name = "old.bin";
    EXPECT_EQ(choose_file_to_save(window, folder.string(), tables), (folder / "old.bin").string());
    EXPECT_EQ(questions, 1);
    typed_name.clear();
    EXPECT_EQ(choose_file_to_open(window, folder.string(), tables), "");
}

}  // namespace
