// Open and save dialogs: GetOpenFileNameA and GetSaveFileNameA with a filter a kind of file.
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

bool has_extension(const std::string& path, const std::string& extension) {
    if (extension.empty() || path.size() <= extension.size() ||
        path[path.size() - extension.size() - 1] != '.') {
        return false;
    }
    const std::string end = path.substr(path.size() - extension.size());
    return CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, end.c_str(), -1, extension.c_str(),
                          -1) == CSTR_EQUAL;
}

std::string run_dialog(window_handle owner, const std::string& folder,
                       const std::vector<file_kind>& kinds, size_t& kind, DWORD flags,
                       const char* entry) {
    kind = 0;
    show_dialog show = dialog_entry(entry);
    if (show == nullptr || kinds.empty()) {
        return std::string();  // shown as nothing chosen, as a cancelled dialog is
    }
    std::string filter;
    for (const file_kind& each : kinds) {
        filter += each.description + '\0' + each.pattern + '\0';
    }
    filter += '\0';
    std::string path(path_room, '\0');
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = &path[0];
    dialog.nMaxFile = path_room;
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.lpstrDefExt = kinds[0].extension.empty() ? nullptr : kinds[0].extension.c_str();
    dialog.Flags = flags | OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!show(&dialog)) {
        return std::string();  // cancelled, or a name longer than the room (FNERR_BUFFERTOOSMALL)
    }
    path.resize(path.find('\0'));
    if (dialog.nFilterIndex >= 1 && dialog.nFilterIndex <= kinds.size()) {
        kind = dialog.nFilterIndex - 1;
    }
    for (size_t i = 0; i < kinds.size(); ++i) {
        if (has_extension(path, kinds[i].extension)) {
            kind = i;
        }
    }
    return path;
}

}  // namespace

std::string choose_file_to_open(window_handle owner, const std::string& folder,
                                const std::vector<file_kind>& kinds, size_t& kind) {
    return run_dialog(owner, folder, kinds, kind, OFN_FILEMUSTEXIST, "GetOpenFileNameA");
}

std::string choose_file_to_save(window_handle owner, const std::string& folder,
                                const std::vector<file_kind>& kinds, size_t& kind) {
    return run_dialog(owner, folder, kinds, kind, OFN_OVERWRITEPROMPT, "GetSaveFileNameA");
}

std::string choose_file_to_open(window_handle owner, const std::string& folder,
                                const file_kind& kind) {
    size_t chosen = 0;
    return choose_file_to_open(owner, folder, std::vector<file_kind>{kind}, chosen);
}

std::string choose_file_to_save(window_handle owner, const std::string& folder,
                                const file_kind& kind) {
    size_t chosen = 0;
    return choose_file_to_save(owner, folder, std::vector<file_kind>{kind}, chosen);
}
