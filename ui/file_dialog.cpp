// Open and save dialogs: GetOpenFileNameW and GetSaveFileNameW with a filter a kind of file;
// the path chosen comes back in UTF-8, as every path of the program is.
#include "ui/file_dialog.h"

#include <windows.h>
#include <commdlg.h>

#include "runtime/wide_text.h"

namespace {

// Room for the longest path the platform takes; a longer name is refused by the dialog.
constexpr DWORD path_room = 32768;

using show_dialog = BOOL(WINAPI*)(OPENFILENAMEW*);

// Loaded at the first dialog, not at start: comdlg32 pulls in shell32, ole32 and more with it.
HMODULE library = nullptr;

show_dialog dialog_entry(const char* name) {
    if (library == nullptr) {
        std::vector<wchar_t> folder(GetSystemDirectoryW(nullptr, 0), L'\0');  // with the NUL
        const UINT length = GetSystemDirectoryW(folder.data(), static_cast<UINT>(folder.size()));
        if (length == 0 || length >= folder.size()) {
            return nullptr;
        }
        library = LoadLibraryW(
            wide_text(utf8_text(folder.data(), static_cast<int>(length)) + "\\comdlg32.dll")
                .data());
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
    const std::vector<wchar_t> wide_filter = wide_text(filter);
    const std::vector<wchar_t> wide_folder = wide_text(folder);
    const std::vector<wchar_t> extension = wide_text(kinds[0].extension);
    std::vector<wchar_t> path(path_room, L'\0');
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = wide_filter.data();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = path_room;
    dialog.lpstrInitialDir = folder.empty() ? nullptr : wide_folder.data();
    dialog.lpstrDefExt = kinds[0].extension.empty() ? nullptr : extension.data();
    dialog.Flags = flags | OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!show(&dialog)) {
        return std::string();  // cancelled, or a name longer than the room (FNERR_BUFFERTOOSMALL)
    }
    const std::string chosen = utf8_text(path.data());
    if (dialog.nFilterIndex >= 1 && dialog.nFilterIndex <= kinds.size()) {
        kind = dialog.nFilterIndex - 1;
    }
    for (size_t i = 0; i < kinds.size(); ++i) {
        if (has_extension(chosen, kinds[i].extension)) {
            kind = i;
        }
    }
    return chosen;
}

}  // namespace

std::string choose_file_to_open(window_handle owner, const std::string& folder,
                                const std::vector<file_kind>& kinds, size_t& kind) {
    return run_dialog(owner, folder, kinds, kind, OFN_FILEMUSTEXIST, "GetOpenFileNameW");
}

std::string choose_file_to_save(window_handle owner, const std::string& folder,
                                const std::vector<file_kind>& kinds, size_t& kind) {
    return run_dialog(owner, folder, kinds, kind, OFN_OVERWRITEPROMPT, "GetSaveFileNameW");
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
