// The phone simulator: a stand-in for the phone-access library with the same entries, for
// development and tests. It is never shipped as the phone library.
//
// The phone is in P2K mode (connected) after P2K_Init and until P2K_Restart; file entries fail
// while it is not. Every entry call is counted and logged (call_log.h); the settings
// (simulator_settings.h) can make calls fail: an entry's n-th call, or every call once the
// cable is pulled. A failing call has no effect and gives -1, but P2K_GetStatus gives 0 once the
// cable is out; P2K_Init puts a pulled cable back in. The settings can also end the whole process
// right after a call, as a crash or a killed program would. The settings are read when the
// library is loaded and again by P2KSIM_Reset.
#include <windows.h>

#include <cstdint>
#include <map>
#include <string>

#include "simulator/call_log.h"
#include "simulator/phone_files.h"
#include "simulator/simulator_settings.h"

extern "C" {
__declspec(dllexport) int32_t __stdcall P2K_Init(int32_t mode);
__declspec(dllexport) int32_t __stdcall P2K_GetStatus();
__declspec(dllexport) int32_t __stdcall P2K_Restart();
__declspec(dllexport) int32_t __stdcall File_Create(const char* path, int32_t mode);
__declspec(dllexport) int32_t __stdcall File_SetPointer(int32_t position, int32_t origin);
__declspec(dllexport) int32_t __stdcall File_Read(uint8_t* buffer, int32_t count);
__declspec(dllexport) int32_t __stdcall File_Write(const uint8_t* bytes, int32_t count);
__declspec(dllexport) int32_t __stdcall File_Close();
__declspec(dllexport) int32_t __stdcall File_Delete(const char* path, int32_t mode);
// Reads the settings again and starts over: counters, connection, no current file.
__declspec(dllexport) int32_t __stdcall P2KSIM_Reset();
}

namespace {

constexpr UINT simulated_exit_code = 3;

HMODULE simulator_module = nullptr;
simulator_settings settings;
bool connected = false;
int32_t calls_made = 0;
std::map<std::string, int32_t> calls_of_entry;

void reset_simulator() {
    settings = read_simulator_settings(simulator_module);
    set_call_log(settings.log_path);
    set_phone_root(settings.root);
    connected = settings.start_connected;
    calls_made = 0;
    calls_of_entry.clear();
}

bool cable_pulled() {
    return settings.pull_after >= 0 && calls_made > settings.pull_after;
}

// Counts a call of the entry; true when it is to fail: the cable is out, or this is the entry's
// call chosen to fail.
bool call_fails(const char* entry) {
    ++calls_made;
    int32_t call = ++calls_of_entry[entry];
    if (cable_pulled()) {
        connected = false;
        return true;
    }
    for (const entry_fault& fault : settings.faults) {
        if (fault.entry == entry && fault.call == call) {
            return true;
        }
    }
    return false;
}

// For the entries that need the phone in P2K mode.
bool phone_answers(const char* entry) {
    return !call_fails(entry) && connected;
}

// Logs the call; ends the process here when this is the call to end it after.
int32_t logged(const std::string& call, int32_t result) {
    log_call(call, result);
    if (settings.exit_after >= 0 && calls_made == settings.exit_after)
        ExitProcess(simulated_exit_code);
    return result;
}

std::string number(int32_t value) {
    return std::to_string(value);
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        simulator_module = instance;
        reset_simulator();
    }
    return TRUE;
}

int32_t __stdcall P2K_Init(int32_t mode) {
    if (cable_pulled())
        settings.pull_after = -1;  // plugged in again
    int32_t result = -1;
    if (!call_fails("P2K_Init")) {
        connected = true;
        result = 0;
    }
    return logged("P2K_Init(" + number(mode) + ")", result);
}

int32_t __stdcall P2K_GetStatus() {
    int32_t result = 0;
    if (call_fails("P2K_GetStatus")) {
        result = cable_pulled() ? 0 : -1;
    } else if (connected) {
        result = settings.connected_status;
    }
    return logged("P2K_GetStatus()", result);
}

int32_t __stdcall P2K_Restart() {
    int32_t result = -1;
    if (phone_answers("P2K_Restart")) {
        connected = false;
        phone_file_close();
        result = 0;
    }
    return logged("P2K_Restart()", result);
}

int32_t __stdcall File_Create(const char* path, int32_t mode) {
    int32_t result = phone_answers("File_Create") ? phone_file_create(path) : -1;
    return logged("File_Create(" + quoted(path) + ", " + number(mode) + ")", result);
}

int32_t __stdcall File_SetPointer(int32_t position, int32_t origin) {
    int32_t result =
        phone_answers("File_SetPointer") ? phone_file_set_pointer(position, origin) : -1;
    return logged("File_SetPointer(" + number(position) + ", " + number(origin) + ")", result);
}

int32_t __stdcall File_Read(uint8_t* buffer, int32_t count) {
    int32_t result =
        phone_answers("File_Read") ? phone_file_read(buffer, count, settings.short_read) : -1;
    return logged("File_Read(" + address(buffer) + ", " + number(count) + ")", result);
}

int32_t __stdcall File_Write(const uint8_t* bytes, int32_t count) {
    int32_t result = phone_answers("File_Write") ? phone_file_write(bytes, count) : -1;
    return logged("File_Write(" + address(bytes) + ", " + number(count) + ")", result);
}

int32_t __stdcall File_Close() {
    int32_t result = phone_answers("File_Close") ? phone_file_close() : -1;
    return logged("File_Close()", result);
}

int32_t __stdcall File_Delete(const char* path, int32_t mode) {
    int32_t result = phone_answers("File_Delete") ? phone_file_delete(path) : -1;
    return logged("File_Delete(" + quoted(path) + ", " + number(mode) + ")", result);
}

int32_t __stdcall P2KSIM_Reset() {
    reset_simulator();
    return 0;
}
