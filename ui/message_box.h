// Modal message boxes, owned by whatever window is in the foreground.
#pragma once

#include <string>

// Message box flags the application uses, each with the single OK button...
constexpr int message_box_stop = 0x10;
constexpr int message_box_exclamation = 0x30;
constexpr int message_box_information = 0x40;
// ... and questions with the buttons Yes and No: the question mark, the warning sign, and the
// warning sign with No as the default button.
constexpr int message_box_question_yes_no = 0x24;
constexpr int message_box_warning_yes_no = 0x34;
constexpr int message_box_warning_yes_no_default_no = 0x134;

// Codes of the buttons that close a box.
constexpr int message_box_ok = 1;
constexpr int message_box_yes = 6;
constexpr int message_box_no = 7;

// Shows the box until the user closes it; returns the platform's code of the button that
// closed it (1 for OK), or 0 when no box could be shown. The flags reach the platform
// unchanged. Messages of the program's windows go on being handled meanwhile, and the
// events they raise are returned by the next wait or poll.
int message_box(const std::string& title, const std::string& text, int flags);
