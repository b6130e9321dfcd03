// Message boxes: the platform's modal message box, owned by the foreground window of the
// desktop at the moment of the call, which need not be one of the program's windows.
#include "ui/message_box.h"

#include <windows.h>

#include "runtime/wide_text.h"

int message_box(const std::string& title, const std::string& text, int flags) {
    return MessageBoxW(GetForegroundWindow(), wide_text(text).data(), wide_text(title).data(),
                       static_cast<UINT>(flags));
}
