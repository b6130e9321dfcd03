// Connect: asks the phone library to switch the phone into P2K mode, waits the given
// number of seconds with a running timer, then checks that the phone answers.
#pragma once

#include <cstdint>
#include <string>

void run_connect(int32_t wait_seconds);

// The status text at step i (0 to 100) of a wait of wait_seconds: elapsed tenths
// t = i * wait_seconds / 10, shown as seconds with one decimal.
std::string connect_timer_text(int32_t step, int32_t wait_seconds);
