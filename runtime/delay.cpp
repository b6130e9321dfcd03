// The delay. A negative count must not reach Sleep: as a DWORD, -1 is INFINITE.
#include "runtime/delay.h"

#include <windows.h>

void sleep_ms(int32_t ms) {
    Sleep(ms < 0 ? 0 : static_cast<DWORD>(ms));
}
