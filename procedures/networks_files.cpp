#include "procedures/networks_files.h"

#include "procedures/networks_sheet.h"
#include "procedures/status_and_messages.h"
#include "procedures/window_numbers.h"
#include "runtime/new_file.h"
#include "runtime/program_directory.h"
#include "runtime/whole_file.h"
#include "ui/file_dialog.h"
#include "ui/window.h"
#include "texts/program_texts.h"

namespace {

// A file bigger than this is no table the phone could hold, nor one worth reading into memory.
constexpr int64_t table_file_max = 16 * 1024 * 1024;

// The kinds the file dialogs offer, in the language in use.
std::vector<file_kind> file_kinds() {
    return {{text_of(text_id::table_files), "*.bin", "bin"},
            {text_of(text_id::sheet_files), "*.csv", "csv"}};
}
constexpr size_t sheet_kind = 1;

// The backup folder beside the program, made when missing; the program's folder when it
// cannot be made.
std::string table_folder() {
    const std::string folder = path_beside_program("backup");
    return make_folder(folder) ? folder : program_directory();
}

}  // namespace

void run_open(networks_page& page) {
    if (!put_back_renames(page))
        return;
    size_t kind = 0;
    const std::string path =
        choose_file_to_open(window_of(main_window), table_folder(), file_kinds(), kind);
    if (path.empty())
        return;
    if (kind == sheet_kind) {
        open_network_sheet(page.model(), path);
        return;
    }
    const std::string name = file_name_of(path);
    std::string bytes;
    std::vector<operator_record> opened;
    const whole_file_read read = read_whole_file(path, bytes, table_file_max);
    if (read == whole_file_read::missing_or_locked) {
        show_failure(text_of(text_id::cannot_read_file_message, {{"file", name}}),
                     message_box_exclamation);
        return;
    }
    if (read == whole_file_read::too_big || !parse_operator_table(bytes, opened) ||
        opened.empty()) {
        show_failure(text_of(text_id::not_a_table_file_message, {{"file", name}}),
                     message_box_exclamation);
        return;
    }
    const size_t count = opened.size();
    load_networks(page.model(), std::move(opened));
    show_count_status(text_id::opened_status, static_cast<long long>(count), {{"file", name}});
}

void run_save_as(networks_page& page) {
    networks_model& model = page.model();
    if (!have_network_records(model, text_of(text_id::no_table_to_save)))
        return;
    size_t kind = 0;
    const std::string path =
        choose_file_to_save(window_of(main_window), table_folder(), file_kinds(), kind);
    if (path.empty())
        return;
    const std::string name = file_name_of(path);
    const bool saved = kind == sheet_kind
                           ? save_network_sheet(model, path)
                           : replace_file(path, format_operator_table(model.records));
    if (!saved) {
        show_failure(text_of(text_id::cannot_save_file_message, {{"file", name}}),
                     message_box_exclamation);
        return;
    }
    keep_network_names(model);
    show_count_status(text_id::saved_status, static_cast<long long>(model.records.size()),
                      {{"file", name}});
}
