// The country and network code (MCC and MNC) in the first three bytes of a table key, stored
// as the phone's network layer stores them: two decimal digits a byte, high nibble first:
//   byte 0: MCC digit 2, MCC digit 1
//   byte 1: MNC digit 3 (F when the MNC has two digits), MCC digit 3
//   byte 2: MNC digit 2, MNC digit 1
// Byte 3 of the key is not part of the code. Pure code.
#pragma once

#include <string>

// "MCC-MNC" with the MNC's own digits: 52 F0 10 gives "250-01", 13 00 62 gives "310-260".
// Empty when the key is shorter than three bytes or a digit's nibble is above 9.
std::string network_code_of_key(const std::string& key);

// The first three key bytes for "MCC-MNC" (three MCC digits, two or three MNC digits);
// empty when the text is not such a code.
std::string key_of_network_code(const std::string& code);

// The key's bytes in hex, upper case, a space between them: "52 F0 10 00".
std::string key_text(const std::string& key);

// The four bytes of a key written in hex, as key_text writes it or with other spaces, in upper
// or lower case ("52f01000"); empty when the text is not four bytes in hex.
std::string key_of_text(const std::string& text);
