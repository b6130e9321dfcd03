// What the procedures tell the user: the status bar's text and the message boxes, titled with
// the main window's title.
#pragma once

#include <initializer_list>
#include <string>

#include "texts/program_texts.h"
#include "ui/message_box.h"

void show_status(const std::string& text);
// The status text, painted at once: before work that keeps the thread busy for a while.
void show_status_now(const std::string& text);
// A status from the table of texts, kept so that it can be shown again in another language.
void show_status(text_id id, std::initializer_list<text_value> values = {});
void show_status_now(text_id id);
void show_count_status(text_id id, long long count, std::initializer_list<text_value> values = {});
// The last status again, in the language now in use; one given as a plain text stays as it is.
void show_status_again();
// A message box titled with the main window's title; flags: message_box_stop and friends.
void show_message(const std::string& text, int flags);
// A question with the buttons Yes and No (flags 0x24 unless told otherwise); true for Yes.
bool ask_yes_no(const std::string& text, int flags = message_box_question_yes_no);
// A refusal or failure: the message box, then "Failed." in the status bar.
void show_failure(const std::string& text, int flags);

// Lines joined by single line feeds, as the message boxes show them.
std::string join_lines(std::initializer_list<std::string> lines);
