// Open and save dialogs: GetOpenFileNameA and GetSaveFileNameA with one filter.
#include "ui/file_dialog.h"

#include <windows.h>
#include <commdlg.h>

namespace {

// Room for the longest path the platform takes; a longer name is refused by the dialog.
constexpr DWORD path_room = 32768;

using show_dialog = BOOL(WINAPI*)(OPENFILENAMEA*);

// Loaded at the first dialog, not at start: comdlg32 pulls in shell32, ole32 and more with it.
HMODULE library = nullptr;

show_dialog dialog_entry(const char* name) {
    if (library == nullptr) {
        std::string folder(GetSystemDirectoryA(nullptr, 0), '\0');  // with room for the NUL
        const UINT length = GetSystemDirectoryA(&folder[0], static_cast<UINT>(folder.size()));
        if (length == 0 || length >= folder.size()) {
            return nullptr;
        }
        folder.resize(length);
        library = LoadLibraryA((folder + "\\comdlg32.dll").c_str());
        if (library == nullptr) {
            return nullptr;
        }
    }
    return reinterpret_cast<show_dialog>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

std::string run_dialog(window_handle owner, const std::string& folder, const file_kind& kind,
                       DWORD flags, const char* entry) {
    show_dialog show = dialog_entry(entry);
    if (show == nullptr) {
        return std::string();  // shown as nothing chosen, as a cancelled dialog is
    }
    std::string filter = kind.description + '\0' + kind.pattern + '\0' + '\0';
    std::string path(path_room, '\0');
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = &path[0];
    dialog.nMaxFile = path_room;
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.lpstrDefExt = kind.extension.empty() ? nullptr : kind.extension.c_str();
    dialog.Flags = flags | OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!show(&dialog)) {
        return std::string();  // cancelled, or a name longer than the room (FNERR_BUFFERTOOSMALL)
    }
    path.resize(path.find('\0'));
    return path;
}

}  // namespace

std::string choose_file_to_open(window_handle owner, const std::string& folder,
                                const file_kind& kind) {
    return run_dialog(owner, folder, kind, OFN_FILEMUSTEXIST, "GetOpenFileNameA");
}

std::string choose_file_to_save(window_handle owner, const std::string& folder,
                                const file_kind& kind) {
    return run_dialog(owner, folder, kind, OFN_OVERWRITEPROMPT, "GetSaveFileNameA");
}
