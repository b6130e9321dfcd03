#include "phone/table_backup.h"

#include "runtime/new_file.h"
#include "runtime/number_text.h"
#include "runtime/program_directory.h"

namespace {
constexpr int max_attempts = 1000;  // backups made within one second
}

std::string table_backup_name(const std::string& stamp, int attempt) {
    std::string name = "plmn_text_table-" + stamp;
    if (attempt > 1)
        name += "-" + number_to_text(attempt);
    return name + ".bin";
}

bool save_table_backup(const std::string& table, std::string& path) {
    std::string folder = path_beside_program("backup");
    std::string stamp = local_time_stamp();
    path = folder + "\\" + table_backup_name(stamp, 1);
    if (!make_folder(folder))
        return false;
    for (int attempt = 1; attempt <= max_attempts; ++attempt) {
        path = folder + "\\" + table_backup_name(stamp, attempt);
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
