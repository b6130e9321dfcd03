#include "procedures/networks_sheet.h"

#include <vector>

#include "phone/name_sheet.h"
#include "procedures/status_and_messages.h"
#include "runtime/system_code_page.h"
#include "runtime/whole_file.h"
#include "texts/program_texts.h"

namespace {

// A bigger file is no list of a table the phone could hold, nor one worth reading into memory.
constexpr int64_t sheet_file_max = 16 * 1024 * 1024;

}  // namespace

bool save_network_sheet(const networks_model& model, const std::string& path) {
    return replace_file(path, format_name_sheet(model.records, utf8_of_system_code_page));
}

void open_network_sheet(networks_model& model, const std::string& path) {
    const std::string name = file_name_of(path);
    if (model.records.empty()) {
        show_failure(text_of(text_id::read_or_open_first), message_box_exclamation);
        return;
    }
    std::string bytes;
    const whole_file_read read = read_whole_file(path, bytes, sheet_file_max);
    if (read != whole_file_read::read) {
        show_failure(text_of(text_id::cannot_read_file_message, {{"file", name}}),
                     message_box_exclamation);
        return;
    }
    const name_sheet_result result =
        apply_name_sheet(bytes, name, model.records, system_code_page_of_utf8);
    if (!result.refusal.empty()) {
        show_failure(result.refusal, message_box_exclamation);
        return;
    }
    const std::string too_big = table_size_refusal(result.records);
    if (!too_big.empty()) {
        show_failure(join_lines({too_big, text_of(text_id::list_kept)}), message_box_exclamation);
        return;
    }
    const size_t renamed = rename_networks_after(model, result.records, name);
    show_count_status(text_id::renamed_from_status, static_cast<long long>(renamed),
                      {{"file", name}});
}
