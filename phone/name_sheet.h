// The table's names as a spreadsheet (CSV) file: written for people to edit, and read back to
// rename the records.
//
// The file is UTF-8 text with a byte order mark, one row a record in table order after a header
// row, comma-separated, CRLF line ends; a field holding a comma, a quote, CR or LF is quoted,
// its quotes doubled:
//   Name on phone,Network,Country,Operator,Key
//   MTS,250-01,Russian Federation,MTS,52 F0 10 00
// Names on the phone are bytes of the system's single-byte code page; the caller passes the
// conversion to and from UTF-8. Country and operator names are code page 1252 bytes, as the
// network database keeps them. Pure code: bytes in, bytes out.
#pragma once

#include <string>
#include <vector>

#include "phone/operator_table.h"

// A name's code page bytes as UTF-8.
using utf8_of_names = std::string (*)(const std::string& name);
// UTF-8 text as code page bytes; false when the code page lacks one of its characters.
using names_of_utf8 = bool (*)(const std::string& text, std::string& name);

// The file of the records: columns "Name on phone", "Network" (MCC-MNC), "Country" and
// "Operator" (empty when unknown), "Key" (four bytes in hex).
std::string format_name_sheet(const std::vector<operator_record>& records,
                              utf8_of_names utf8_of_name);

struct name_sheet_result {
    std::string refusal;                   // "FILE, line L: what is wrong."; empty when taken
    std::vector<operator_record> records;  // the records renamed (empty on a refusal)
    size_t renamed;                        // records whose name changed
};

// Renames the records after a file as format_name_sheet writes it or a spreadsheet saves it;
// the records, their order and their keys stay as they are. The file's header row names the
// columns in any order; only "Key" and "Name on phone" are read. The n-th row with a key
// names the n-th record with that key, so rows may come in any order or be left out: a record
// without a row keeps its name. The file may start with a byte order mark or not, separate
// fields with commas or semicolons (whichever comes first in the header row, the first row that
// is not blank, outside a first field that opens with a quote), end lines with
// CRLF or LF; blank rows are skipped.
//
// Refused, with the file's name and the line where the row starts: no header row with "Key"
// and "Name on phone"; a key that is not four bytes in hex, that no record has, or that more
// rows carry than records have; an empty name (unless the record's name is empty already);
// a name that the code page can't hold or that is over 255 bytes in it; quotes that do not
// close; a file that is not UTF-8 text.
name_sheet_result apply_name_sheet(const std::string& sheet, const std::string& file_name,
                                   const std::vector<operator_record>& records,
                                   names_of_utf8 name_of_utf8);
