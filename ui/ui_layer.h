// Start-up and final clean-up of the whole window layer.
#pragma once

// Prepares the control layer, the status bars and the window layer, in that order.
void init_ui_layer();

// Destroys every status bar, then closes every window from the highest number down.
void release_ui_layer();
