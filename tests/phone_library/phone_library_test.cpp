// The phone binding against the simulator: what each sequence passes, in which order.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "phone/operator_table.h"
#include "phone/phone_library.h"
#include "runtime/library.h"
#include "tests/phone_library/simulated_phone.h"

namespace {

using PhoneBinding = SimulatedPhone;

const std::string old_table("\x52\xF0\x10\x00\x03Old\x00\x01\x02\x03\x04Name", 17);
const std::string new_table("\x52\xF0\x10\x00\x0ASuper-Line", 15);

TEST_F(PhoneBinding, ConnectAndRestartCalls) {
    EXPECT_EQ(p2k_get_status(), 0);
    EXPECT_EQ(p2k_init(), 0);
    EXPECT_EQ(p2k_get_status(), 1);
    EXPECT_EQ(p2k_restart(), 0);
    EXPECT_EQ(p2k_get_status(), 0);
    EXPECT_EQ(log_lines(), (std::vector<std::string>{
                               "P2K_GetStatus() = 0",
                               "P2K_Init(0) = 0",
                               "P2K_GetStatus() = 1",
                               "P2K_Restart() = 0",
                               "P2K_GetStatus() = 0",
                           }));
}

TEST_F(PhoneBinding, ReadSequence) {
    p2k_init();
    put_phone_file(operator_table_path, old_table);
    std::vector<uint8_t> image(operator_table_read_limit, 0);

    read_phone_file(operator_table_path, image.data(), operator_table_read_limit);

    EXPECT_EQ(std::string(image.begin(), image.begin() + 17), old_table);
    EXPECT_EQ(std::count(image.begin() + 17, image.end(), 0), operator_table_read_limit - 17);
    EXPECT_EQ(log_lines(), (std::vector<std::string>{
                               "P2K_Init(0) = 0",
                               "File_Create(\"/a/plmn_text_table.bin\", 4) = 0",
                               "File_SetPointer(0, 0) = 0",
                               "File_Read(" + log_address(image.data()) + ", 20000) = 17",
                               "File_Close() = 0",
                           }));
}

TEST_F(PhoneBinding, WriteSequenceReplacesTheFile) {
    p2k_init();
    put_phone_file(operator_table_path, old_table);
    std::vector<uint8_t> bytes(new_table.begin(), new_table.end());

    write_phone_file(operator_table_path, bytes.data(), static_cast<int32_t>(bytes.size()));

    EXPECT_EQ(phone_file(operator_table_path), new_table);  // shorter than the old one
    EXPECT_EQ(log_lines(), (std::vector<std::string>{
                               "P2K_Init(0) = 0",
                               "File_Delete(\"/a/plmn_text_table.bin\", 4) = 0",
                               "File_SetPointer(0, 0) = -1",
                               "File_Create(\"/a/plmn_text_table.bin\", 4) = 0",
                               "File_Write(" + log_address(bytes.data()) + ", 15) = 15",
                               "File_Close() = 0",
                           }));
}

TEST_F(PhoneBinding, NothingHappensWithoutTheLibrary) {
    put_phone_file(operator_table_path, old_table);
    set_variable("P2KSIM_CONNECTED", "1");
    reset();
    open_library(phone_library_number, "no_such_library_kt.dll");
    std::vector<uint8_t> image(100, 0xAA);

    read_phone_file(operator_table_path, image.data(), 100);
    write_phone_file(operator_table_path, image.data(), 100);

    EXPECT_EQ(p2k_get_status(), 0);
    EXPECT_EQ(std::count(image.begin(), image.end(), 0xAA), 100);
    EXPECT_EQ(phone_file(operator_table_path), old_table);
    EXPECT_TRUE(log_lines().empty());
}

}  // namespace
