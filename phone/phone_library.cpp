// The phone-access library's entries, each called by name with its exact arguments.
#include "phone/phone_library.h"

#include "runtime/library.h"

namespace {

// The second argument of File_Create and File_Delete: the library expects 4 with every path.
constexpr intptr_t path_argument = 4;

intptr_t address_of(const std::string& text) {
    return reinterpret_cast<intptr_t>(text.c_str());
}

intptr_t address_of(const uint8_t* bytes) {
    return reinterpret_cast<intptr_t>(bytes);
}

}  // namespace

int32_t p2k_init() {
    return call_library_entry(phone_library_number, "P2K_Init", {0});
}

int32_t p2k_get_status() {
    return call_library_entry(phone_library_number, "P2K_GetStatus");
}

int32_t file_create(const std::string& path) {
    return call_library_entry(phone_library_number, "File_Create",
                              {address_of(path), path_argument});
}

int32_t file_set_pointer() {
    return call_library_entry(phone_library_number, "File_SetPointer", {0, 0});
}

int32_t file_read(uint8_t* buffer, int32_t count) {
    return call_library_entry(phone_library_number, "File_Read", {address_of(buffer), count});
}

int32_t file_write(const uint8_t* bytes, int32_t count) {
    return call_library_entry(phone_library_number, "File_Write", {address_of(bytes), count});
}

int32_t file_close() {
    return call_library_entry(phone_library_number, "File_Close");
}

int32_t file_delete(const std::string& path) {
    return call_library_entry(phone_library_number, "File_Delete",
                              {address_of(path), path_argument});
}

int32_t p2k_restart() {
    return call_library_entry(phone_library_number, "P2K_Restart");
}

uint8_t read_phone_file(const std::string& path, uint8_t* buffer, int32_t count,
                        read_more_test may_go_on) {
    file_create(path);
    file_set_pointer();
    file_read(buffer, count);
    uint8_t probe = 0;
    if (may_go_on != nullptr && may_go_on(buffer, count))
        file_read(&probe, 1);  // the read goes on where the last one stopped
    file_close();
    return probe;
}

void write_phone_file(const std::string& path, const uint8_t* bytes, int32_t count) {
    file_delete(path);
    file_set_pointer();  // comes while no file is open: the order the library is known to take
    file_create(path);
    file_write(bytes, count);
    file_close();
}
