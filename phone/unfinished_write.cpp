#include "phone/unfinished_write.h"

#include "runtime/new_file.h"
#include "runtime/program_directory.h"
#include "runtime/whole_file.h"

namespace {

constexpr char file_name[] = "unfinished-write.txt";
constexpr int64_t file_max = 4096;  // one file name and its line end

std::string backup_folder() {
    return path_beside_program("backup");
}

std::string marker_path() {
    return backup_folder() + "\\" + file_name;
}

}  // namespace

unfinished_write find_unfinished_write() {
    unfinished_write found;
    found.path = marker_path();
    std::string bytes;
    const whole_file_read read = read_whole_file(found.path, bytes, file_max);
    if (read == whole_file_read::missing_or_locked && !file_exists(found.path))
        return found;
    // The first line, a file name in the backup folder: one with a folder in it names no backup.
    const std::string name = bytes.substr(0, bytes.find_first_of("\r\n"));
    found.state = read != whole_file_read::read || name.empty() ||
                          name.find_first_of("\\/:") != std::string::npos
                      ? unfinished_write_state::unreadable
                      : unfinished_write_state::found;
    if (found.state == unfinished_write_state::found)
        found.backup_path = backup_folder() + "\\" + name;
    return found;
}

bool mark_unfinished_write(const std::string& backup_path) {
    const std::string line = file_name_of(backup_path) + "\r\n";
    return make_folder(backup_folder()) &&
           save_new_file(marker_path(), line) != new_file_result::failed;
}

void clear_unfinished_write() {
    remove_file(marker_path());
}
