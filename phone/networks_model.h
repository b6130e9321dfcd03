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
#include "texts/text_id.h"

// The columns: name on phone, network ("MCC-MNC"), country, operator, key in hex, and "#" (the
// record's place in the table, counted from 1).
constexpr int network_column_count = 6;
constexpr int network_number_column = 5;
// The column's header in the language in use; empty for a column the list does not have.
std::string network_column_header(int column);

// What the model tells after each change, so that the page shows it.
enum class networks_change {
    records,     // new records (a load): every row is new, none is selected
    names,       // names or marks changed; the rows shown and their order stay
    rows_shown,  // the rows shown or their order changed (and maybe names with them)
};

class networks_watcher {
public:
    virtual void networks_changed(networks_change change) = 0;

protected:
    ~networks_watcher() = default;
};

// A change of names that can be undone and redone: a rename (of one row or many), a Use operator
// names, the names of a spreadsheet file, or a discard of the renames.
enum class names_step_kind { rename, operator_names, sheet, discard };

struct names_step {
    names_step_kind kind;
    std::string file;       // the spreadsheet file's name
    std::vector<int> rows;  // the rows whose name it changed, each once
    // Their names before and after the step, each after a byte of its length.
    std::string before;
    std::string after;
    bool one_name = false;  // after holds a single name: the step gave every row the same
};

// The history keeps this many steps, the newest; each holds only the names it changed, so the
// history takes at most about this many times the table's names.
constexpr size_t names_steps_kept = 100;

struct networks_model {
    code_page_letters letters = western_letters();  // the system's: set before the first load
    std::vector<operator_record> records;           // the names now, in table order
    std::vector<std::string> kept_names;            // as last read, opened, written or saved
    // Each record's network, country, operator (in the system's code page) and key, as shown.
    std::vector<std::string> facts;      // network_column_count - 2 a record, from column 1
    std::vector<bool> operator_lacking;  // the operator's name has letters the system lacks
    std::string find_text;               // in lower case
    std::vector<int> shown;              // the rows shown, in the order shown
    int sort_column = -1;
    int sort_direction = 0;  // 1 up, -1 down, 0 table order
    // Lower-case texts kept between keystrokes: what a find looks in (the name, and the network,
    // country and operator, a line each), and the sort column's.
    std::vector<std::string> found_names;
    std::vector<std::string> found_facts;
    std::vector<std::string> sort_keys;
    int keys_column = -1;
    // The steps to undo, oldest first, and those undone that can be redone, the next last.
    std::vector<names_step> undo_steps;
    std::vector<names_step> redo_steps;
    networks_watcher* watcher = nullptr;  // told after every change
};

// New records (a read, a table file, the backup after a cut-off write): none of them renamed, and
// a new history; the find text and the order chosen stay.
void load_networks(networks_model& model, std::vector<operator_record> records);

// The cell's text as shown (a name up to its first zero byte), without the mark.
std::string network_cell(const networks_model& model, int row, int column);
// A row shows "*" while its name differs from the one it had when last loaded, written or saved.
bool network_renamed(const networks_model& model, int row);
size_t renamed_network_count(const networks_model& model);

// The names now count as written or saved: no row is renamed any more. The history stays: a name
// undone after this shows as renamed again.
void keep_network_names(networks_model& model);
// Every name back as it was last loaded, written or saved: a step. The rows shown follow the
// find text again.
void discard_renames(networks_model& model);

// "N of M" beside the find box: the rows shown and the records; empty with no records.
std::string networks_found_text(const networks_model& model);
// The refusal, then "Read the phone's table or open a table file first.", when there are no
// records; empty when there are.
std::string no_networks_refusal(const networks_model& model, const std::string& refusal);

struct rename_result {
    size_t renamed = 0;     // rows whose name changed
    bool too_long = false;  // the name is over operator_name_max bytes: nothing changed
    bool said = false;      // the status says "Renamed N networks."
};

// Gives the rows the name: one step. An empty name changes nothing; nor does one that is too
// long. Renamed rows stay where they are shown until the find text or the order changes.
rename_result rename_networks(networks_model& model, const std::vector<int>& rows,
                              const std::string& name);
// A name typed in the list's editor on the row, naming the rows (none: the row alone). The
// row's name kept as the editor opened with it leaves that row alone; the others still take it.
// Said when it named several rows or changed a name.
rename_result rename_as_typed(networks_model& model, int row, std::vector<int> rows,
                              const std::string& name);

// The names of records renamed after the spreadsheet file (the same records, in the same order):
// one step, of the rows whose name changed. The rows shown follow the find text again.
size_t rename_networks_after(networks_model& model, const std::vector<operator_record>& renamed,
                             const std::string& file);

struct operator_names_result {
    size_t named = 0;     // rows given their operator's name
    size_t kept = 0;      // rows kept for letters the system lacks
    size_t too_long = 0;  // rows kept for an operator's name over operator_name_max bytes
};

// Gives each of the rows whose network has a known operator that operator's name, as the
// Operator column shows it: one step. Rows whose operator's name has letters the system lacks,
// or is too long for the phone, keep theirs.
operator_names_result use_operator_names(networks_model& model, const std::vector<int>& rows);
// The status after it: "Named N networks from the network data.", and what was kept and why.
std::string operator_names_status(const operator_names_result& result);

// Undoes the newest step, or redoes the step undone last: the names (and so the marks) as they
// were before it, or after it; records, keys, the rows shown, their order and the find text
// stay. The step, or nullptr when there was none (nothing changes then).
const names_step* undo_names(networks_model& model);
const names_step* redo_names(networks_model& model);

// How a step is named: in the context menu ("Undo rename of 5 networks\tCtrl+Z", "Redo" when
// there is nothing to redo) and in the status after it ("Undone: renamed 5 networks.").
enum class step_words { undo_command, redo_command, undone_status, redone_status };
// The text and its count (the rows the step changed); the step's file fills {file}.
text_id names_step_text(names_step_kind kind, step_words words);
std::string undo_command_text(const networks_model& model);
std::string redo_command_text(const networks_model& model);

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
