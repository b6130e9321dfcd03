// Patch with the phone failing under it: the cable pulled after each call of a successful
// Patch, single entries failing, reads that come back short. Whatever happens, the phone
// holds its old table or exactly the new one, or the user is told and the backup holds the
// old table byte for byte; the success status shows only over exactly the new table.
#include "tests/app/app_test_support.h"

#include "procedures/connect.h"
#include "procedures/networks_write.h"
#include "procedures/patch.h"

namespace {

const std::string written_wrong = "Phone table was not written correctly!";

class patch_fault_test : public app_test {
protected:
    // Patches a connected phone holding old_table with the name; the simulator variable set.
    void patch_with(const char* variable, const std::string& value, const std::string& old_table,
                    const std::string& name) {
        put_phone_table(old_table);
        set_variable("P2KSIM_CONNECTED", "1");
        set_variable(variable, value.c_str());
        reset_phone();
        type_name(name);
        run_patch(network_page().model());
    }

    void expect_promises_kept(const std::string& old_table, const std::string& new_table) {
        const std::string status = status_text();
        const bool success = status == success_status;
        const bool told = !boxes().empty() || status == "Failed." || status == not_connected_status;
        SCOPED_TRACE("status \"" + status + "\"");
        expect_phone_safe(old_table, new_table, success, told);
        const auto saved = backups();

        // A failed write names the file that holds the old table.
        for (const shown_box& box : boxes()) {
            if (box.text.rfind(written_wrong, 0) != 0)
                continue;
            EXPECT_EQ(box.flags, 0x10);
            ASSERT_EQ(saved.size(), 1u);
            EXPECT_EQ(box.text, written_wrong + "\nYour old table is saved in\n" +
                                    (backup_folder() / saved[0].first).string() +
                                    "\nIt is loaded on the Networks page: connect again, then "
                                    "press Write there.");
        }
    }
};

// The calls of a successful Patch number 15: the cable is pulled after each in turn but the
// last (0: before the first).
class cable_pulled_test : public patch_fault_test, public ::testing::WithParamInterface<int> {};

TEST_P(cable_pulled_test, PhoneKeepsATableOrTheUserIsTold) {
    const std::string old_table = table_bytes(sample_records());
    patch_with("P2KSIM_PULL_AFTER", std::to_string(GetParam()), old_table, "Super-Line");
    expect_promises_kept(old_table, table_bytes(renamed(sample_records(), "Super-Line")));
    const bool patched = status_text() == success_status;
    run_connect(0);
    run_write(network_page());  // the way back after a failed Patch
    EXPECT_NE(phone_table() == old_table, patched);
}

INSTANTIATE_TEST_SUITE_P(AfterEachCall, cable_pulled_test, ::testing::Range(0, 15));

struct phone_fault {
    const char* what;
    const char* variable;
    const char* value;
    const char* name;
};

class phone_fault_test : public patch_fault_test,
                         public ::testing::WithParamInterface<phone_fault> {};

TEST_P(phone_fault_test, PhoneKeepsATableOrTheUserIsTold) {
    const phone_fault& fault = GetParam();
    const std::string old_table = table_bytes(sample_records());
    patch_with(fault.variable, fault.value, old_table, fault.name);
    expect_promises_kept(old_table, table_bytes(renamed(sample_records(), fault.name)));
}

std::string fault_name(const ::testing::TestParamInfo<phone_fault>& info) {
    return info.param.what;
}

// The sample table is 34 bytes; with "X" the new one is 18 bytes, with "Super-Line" 45.
INSTANTIATE_TEST_SUITE_P(
    SingleEntryFails, phone_fault_test,
    ::testing::Values(
        phone_fault{"DeleteFailsShorterTable", "P2KSIM_FAIL", "File_Delete:1", "X"},
        phone_fault{"DeleteFailsLongerTable", "P2KSIM_FAIL", "File_Delete:1", "Super-Line"},
        phone_fault{"CreateForWriteFails", "P2KSIM_FAIL", "File_Create:2", "Super-Line"},
        phone_fault{"WriteFails", "P2KSIM_FAIL", "File_Write:1", "Super-Line"},
        phone_fault{"ReadBackFails", "P2KSIM_FAIL", "File_Read:2", "Super-Line"},
        phone_fault{"NothingRead", "P2KSIM_SHORT_READ", "0", "Super-Line"}),
    fault_name);

}  // namespace
