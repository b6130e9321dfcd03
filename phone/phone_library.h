// The phone-access library and its entries, called by name through the library table.
//
// Start-up loads the library under phone_library_number; each function below calls one entry with
// exactly the arguments the library expects and passes its result back unchanged (0 when the
// library or the entry is missing). Only P2K_GetStatus's result means anything to the
// procedures: the file entries' results are not to be relied on.
#pragma once

#include <cstdint>
#include <string>

constexpr int32_t phone_library_number = 1;
inline constexpr char phone_library_name[] = "p2kapi2.dll";
inline constexpr char operator_table_path[] = "/a/plmn_text_table.bin";

// P2K_Init(0): starts the phone's switch into Platform 2000 mode.
int32_t p2k_init();
// P2K_GetStatus(): 1 connected (other nonzero values occur), 0 not connected.
int32_t p2k_get_status();
// File_Create(path, 4): opens the phone file as the current file, creating it if missing.
int32_t file_create(const std::string& path);
// File_SetPointer(0, 0): the current file's position back to its start.
int32_t file_set_pointer();
// File_Read(buffer, count): up to count bytes from the current file; the rest stays untouched.
int32_t file_read(uint8_t* buffer, int32_t count);
// File_Write(bytes, count): count bytes at the current file's position.
int32_t file_write(const uint8_t* bytes, int32_t count);
// File_Close(): closes the current file.
int32_t file_close();
// File_Delete(path, 4): deletes the phone file.
int32_t file_delete(const std::string& path);
// P2K_Restart(): restarts the phone.
int32_t p2k_restart();

// Says, from the bytes a read gave, whether the file may go on past them.
using read_more_test = bool (*)(const uint8_t* bytes, int32_t count);

// Reads the phone file into buffer, at most count bytes: File_Create, File_SetPointer, File_Read,
// File_Close. A failed read leaves the buffer as it was. When may_go_on says so of the buffer
// after the read, File_Read(probe, 1) into a zero byte follows before File_Close; the result is
// that byte (nonzero: the file held more than count bytes), and 0 when there was no probe.
uint8_t read_phone_file(const std::string& path, uint8_t* buffer, int32_t count,
                        read_more_test may_go_on = nullptr);

// Replaces the phone file with count bytes: File_Delete, File_SetPointer, File_Create,
// File_Write, File_Close. Between the delete and the end of the write the phone holds no file.
void write_phone_file(const std::string& path, const uint8_t* bytes, int32_t count);
