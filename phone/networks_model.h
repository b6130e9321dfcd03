// The Networks page's state, with no window in it: the table's records as read or opened, the
// names they had then, the names now, the find text with the rows it shows and the order they
// are shown in. Every change to the page's list goes through these procedures; the list only
// shows what network_cell says. Pure code: bytes in, bytes out.
//
// Rows are the records' places in the table, counted from 0; the table keeps its order whatever
// is shown, and only a load changes which records there are, their keys or their order.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "phone/operator_table.h"
#include "runtime/code_page_letters.h"

// The columns: name on phone, network ("MCC-MNC"), country, operator, key in hex, and "#" (the
// record's place in the table, counted from 1).
constexpr int network_column_count = 6;
constexpr int network_number_column = 5;
// The column's header in the language in use; empty for a column the list does not have.
std::string network_column_header(int column);

struct networks_model {
    code_page_letters letters;  // the system's: set before the first load (western_letters())
    std::vector<operator_record> records;  // the names now, in table order
    std::vector<std::string> kept_names;   // as last read, opened, written or saved
    // Each record's network, country, operator (in the system's code page) and key, as shown.
    std::vector<std::string> facts;      // network_column_count - 2 a record, from column 1
    std::vector<bool> operator_lacking;  // the operator's name has letters the system lacks
    std::string find_text;               // in lower case
    std::vector<int> shown;              // the rows shown, in the order shown
    int sort_column = -1;
    int sort_direction = 0;  // 1 up, -1 down, 0 table order
    // Lower-case texts kept between keystrokes: what a find looks in, and the sort column's.
    std::vector<std::string> found_texts;
    std::vector<std::string> sort_keys;
    int keys_column = -1;
};

// New records (a read, a table file, the backup after a cut-off write): none of them renamed;
// the find text and the order chosen stay.
void load_networks(networks_model& model, std::vector<operator_record> records);

// The cell's text as shown (a name up to its first zero byte), without the mark.
std::string network_cell(const networks_model& model, int row, int column);
// A row shows "*" while its name differs from the one it had when last loaded, written or saved.
bool network_renamed(const networks_model& model, int row);
size_t renamed_network_count(const networks_model& model);

// The names now count as written or saved: no row is renamed any more.
void keep_network_names(networks_model& model);
// Every name back as it was last loaded, written or saved.
void discard_renames(networks_model& model);

struct rename_result {
    size_t renamed = 0;     // rows whose name changed
    bool too_long = false;  // the name is over 255 bytes: nothing changed
};

// Gives the rows the name. An empty name changes nothing; nor does a name over 255 bytes (too
// long). Renamed rows stay where they are shown until the find text or the order changes.
rename_result rename_networks(networks_model& model, const std::vector<int>& rows,
                              const std::string& name);

// The names of records renamed after a spreadsheet file (the same records, in the same order):
// the rows whose name changed. The rows shown follow the find text again.
size_t rename_networks_after(networks_model& model, const std::vector<operator_record>& renamed);

struct operator_names_result {
    size_t named = 0;  // rows given their operator's name
    size_t kept = 0;   // rows kept for letters the system lacks
};

// Gives each of the rows whose network has a known operator that operator's name, as the
// Operator column shows it; rows whose operator's name has letters the system lacks keep theirs.
operator_names_result use_operator_names(networks_model& model, const std::vector<int>& rows);

// The find text changed: the rows whose name, network, country or operator holds it, ignoring
// case, in the order chosen.
void find_networks(networks_model& model, const std::string& text);

// A click on the column's header: sorted up by it, then down, then table order again; a click on
// another column starts at up again.
void sort_networks_by(networks_model& model, int column);

// The rows as text for the clipboard, in UTF-8: a line of the headers, then a line a row, the
// cells as shown without the mark (in the system's code page, which utf8_of_cell converts),
// separated by tabs; lines separated by CR LF.
std::string networks_copy_text(const networks_model& model, const std::vector<int>& rows,
                               std::string (*utf8_of_cell)(const std::string& cell));
