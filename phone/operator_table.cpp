// Walking and rewriting the operator name table; the record layout is in operator_table.h.
#include "phone/operator_table.h"
#include "texts/program_texts.h"

#include <algorithm>
#include <cstddef>

namespace {

constexpr size_t key_size = 4;
constexpr size_t header_size = key_size + 1;

struct table_walk {
    bool damaged = false;
    std::vector<size_t> starts;  // offset of each whole record, in order
    size_t end = 0;              // end of the last whole record (damaged: start of the bad one)
};

size_t name_length_at(const std::string& bytes, size_t start) {
    return static_cast<unsigned char>(bytes[start + key_size]);
}

// Records follow one another from offset 0 until the rest of the bytes is all zero (or none is
// left). A boundary before the last nonzero byte must hold a whole record.
table_walk walk_records(const std::string& bytes) {
    table_walk walk;
    const size_t last_nonzero = bytes.find_last_not_of('\0');
    const size_t data_end = last_nonzero == std::string::npos ? 0 : last_nonzero + 1;
    while (walk.end < data_end) {
        const size_t left = bytes.size() - walk.end;
        if (left < header_size || left - header_size < name_length_at(bytes, walk.end)) {
            walk.damaged = true;
            return walk;
        }
        walk.starts.push_back(walk.end);
        walk.end += header_size + name_length_at(bytes, walk.end);
    }
    return walk;
}

// The longest name that keeps count records within the read limit and the length byte.
int32_t longest_fitting_name(size_t count) {
    const size_t per_record = static_cast<size_t>(operator_table_read_limit) / count;
    if (per_record <= header_size) {
        return 0;
    }
    return static_cast<int32_t>(
        std::min(per_record - header_size, static_cast<size_t>(operator_name_max)));
}

}  // namespace

rewrite_result rewrite_operator_table(const std::string& image, const std::string& new_name) {
    const table_walk walk = walk_records(image);
    rewrite_result result{rewrite_status::ok,
                          {},
                          static_cast<int32_t>(walk.starts.size()),
                          static_cast<int32_t>(walk.end),
                          0};
    if (walk.damaged) {
        result.status = rewrite_status::damaged;
        return result;
    }
    if (walk.starts.empty()) {
        result.status = rewrite_status::no_table;
        return result;
    }
    result.longest_name = longest_fitting_name(walk.starts.size());
    if (new_name.empty()) {
        result.status = rewrite_status::empty_name;
        return result;
    }
    if (new_name.size() > static_cast<size_t>(result.longest_name)) {
        result.status = rewrite_status::name_too_long;
        return result;
    }

    // Every new record has the same size: write them straight into a table of the final size.
    const size_t record_size = header_size + new_name.size();
    result.table.resize(walk.starts.size() * record_size);
    char* out = result.table.data();
    for (const size_t start : walk.starts) {
        out = std::copy_n(image.data() + start, key_size, out);
        *out++ = static_cast<char>(new_name.size());
        out = std::copy_n(new_name.data(), new_name.size(), out);
    }
    return result;
}

bool parse_operator_table(const std::string& bytes, std::vector<operator_record>& records) {
    const table_walk walk = walk_records(bytes);
    records.clear();
    records.reserve(walk.starts.size());
    for (const size_t start : walk.starts) {
        records.push_back({bytes.substr(start, key_size),
                           bytes.substr(start + header_size, name_length_at(bytes, start))});
    }
    return !walk.damaged;
}

bool operator_table_fills(const std::string& image) {
    const table_walk walk = walk_records(image);
    return !walk.damaged && !walk.starts.empty() && walk.end == image.size();
}

std::string format_operator_table(const std::vector<operator_record>& records) {
    std::string table;
    for (const operator_record& record : records) {
        std::string key = record.key.substr(0, key_size);
        key.resize(key_size, '\0');
        table += key;
        table += static_cast<char>(record.name.size());
        table += record.name;
    }
    return table;
}

std::string table_size_refusal(const std::vector<operator_record>& records) {
    const size_t size = format_operator_table(records).size();
    if (size <= static_cast<size_t>(operator_table_read_limit))
        return std::string();
    return text_of(text_id::table_too_big, {{"size", std::to_string(size)},
                                            {"limit", std::to_string(operator_table_read_limit)}});
}
