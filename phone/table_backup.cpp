#include "phone/table_backup.h"

#include "runtime/new_file.h"
#include "runtime/number_text.h"
#include "runtime/program_directory.h"
#include "runtime/whole_file.h"

namespace {
constexpr int max_attempts = 1000;  // backups made within one second
// A file bigger than this holds no table the phone could have had.
constexpr int64_t backup_max = 16 * 1024 * 1024;
}  // namespace

std::string table_backup_name(const std::string& stamp, int attempt, const std::string& suffix) {
    std::string name = "plmn_text_table-" + stamp + suffix;
    if (attempt > 1)
        name += "-" + number_to_text(attempt);
    return name + ".bin";
}

bool save_table_backup(const std::string& table, std::string& path, const std::string& suffix) {
    std::string folder = path_beside_program("backup");
    std::string stamp = local_time_stamp();
    path = folder + "\\" + table_backup_name(stamp, 1, suffix);
    if (!make_folder(folder))
        return false;
    for (int attempt = 1; attempt <= max_attempts; ++attempt) {
        path = folder + "\\" + table_backup_name(stamp, attempt, suffix);
        switch (save_new_file(path, table)) {
            case new_file_result::saved:
                return true;
            case new_file_result::failed:
                return false;
            case new_file_result::exists:
                break;
        }
    }
    return false;
}

bool read_table_backup(const std::string& path, std::vector<operator_record>& records) {
    std::string bytes;
    return read_whole_file(path, bytes, backup_max) == whole_file_read::read &&
           parse_operator_table(bytes, records) && !records.empty();
}
