// Start-up and final clean-up of the window layer, in the order its parts depend on each
// other: the status bars go before the windows that hold them.
#include "ui/ui_layer.h"

#include "ui/control.h"
#include "ui/status_bar.h"
#include "ui/window.h"

void init_ui_layer() {
    init_control_layer();
    init_status_bars();
    init_window_layer();
}

void release_ui_layer() {
    free_status_bars();
    close_all_windows();
}
