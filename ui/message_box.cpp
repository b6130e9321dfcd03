// Message boxes: the platform's modal message box, owned by the foreground window of the
// desktop at the moment of the call, which need not be one of the program's windows.
#include "ui/message_box.h"

#include <windows.h>

int message_box(const std::string& title, const std::string& text, int flags) {
    return MessageBoxA(GetForegroundWindow(), text.c_str(), title.c_str(),
                       static_cast<UINT>(flags));
}
