// What the phone procedures show while they run: the status text, message boxes and the
// progress runs on the step bar (110) and the overall bar (111).
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

#include "ui/message_box.h"

void show_status(const std::string& text);
// A message box titled with the main window's title; flags: message_box_stop and friends.
void show_message(const std::string& text, int flags);
// A question with the buttons Yes and No (flags 0x24); true for Yes.
bool ask_yes_no(const std::string& text);
// A refusal or failure: the message box, then "Failed." in the status bar.
void show_failure(const std::string& text, int flags);

// One progress run of 101 steps: every step sleeps 10 ms, sets the step bar to i and the
// overall bar to overall_start + overall_step * i, and polls one window event, dropping it,
// so that the window keeps painting.
void run_progress(int32_t overall_start, int32_t overall_step);

// Lines joined by single line feeds, as the message boxes show them.
std::string join_lines(std::initializer_list<std::string> lines);
