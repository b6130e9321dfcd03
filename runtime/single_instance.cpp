#include "runtime/single_instance.h"

#include <windows.h>

bool claim_single_instance(const std::string& name) {
    // "Local\" keeps the name to this session; the handle stays open for the process's life.
    HANDLE mutex = CreateMutexA(nullptr, FALSE, ("Local\\" + name).c_str());
    if (mutex == nullptr)
        return true;  // no mutex to be had: better to run than to refuse every start
    return GetLastError() != ERROR_ALREADY_EXISTS;
}
