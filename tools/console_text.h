// Texts between the table tool's console and the tables. Names on the phone and in the network
// database are bytes in the Windows ANSI code page (1252), as the window program shows them.
// On Windows the console's arguments and output are such bytes already; elsewhere the console
// speaks UTF-8 and the texts are converted on the way.
#pragma once

#include <string>

// The ANSI text as the console shows it.
std::string console_of_ansi(const std::string& ansi);

// The console's text (an argument) as ANSI bytes; false when it holds a character that code
// page 1252 lacks, or is not a text in the console's encoding.
bool ansi_of_console(const std::string& text, std::string& ansi);
