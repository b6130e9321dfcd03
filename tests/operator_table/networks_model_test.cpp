// The Networks page's model without a window: loads, renames, discards, spreadsheet files, finds
// in the system's letters, sorts, Write's image and the names from the network data.
#include "phone/networks_model.h"

#include <gtest/gtest.h>

#include <functional>

#include "phone/name_sheet.h"
#include "runtime/code_page_1252.h"
#include "tests/operator_table/letters_1251.h"

namespace {

const std::string mts_key("\x52\xF0\x10\x00", 4);      // 250-01, "MTS"
const std::string iceland_key("\x72\xF4\x10\x00", 4);  // 274-01, whose operator has an accent
const std::string no_network_key = "\xFF\xFF\xFF\xFF";

networks_model loaded(const code_page_letters& letters = western_letters()) {
    networks_model model;
    model.letters = letters;
    load_networks(model, {{mts_key, "One"},
                          {iceland_key, "Two"},
                          {no_network_key, std::string("Mega\0fon", 8)},
                          {mts_key, "\xC0\xE1\xE2"}});
    return model;
}

std::vector<std::string> names(const networks_model& model) {
    std::vector<std::string> result;
    for (const operator_record& record : model.records)
        result.push_back(record.name);
    return result;
}

TEST(NetworksModel, RenamesAreCountedAgainstTheLoadedNamesAndDiscardPutsThemBack) {
    networks_model model = loaded();
    EXPECT_EQ(rename_networks(model, {0, 1, 7}, "New").renamed, 2u);
    EXPECT_TRUE(rename_networks(model, {2}, std::string(256, 'n')).too_long);
    EXPECT_EQ(rename_networks(model, {2}, "").renamed, 0u);
    EXPECT_EQ(rename_networks(model, {1}, "Two").renamed, 1u);  // back to its loaded name
    EXPECT_EQ(renamed_network_count(model), 1u);
    EXPECT_TRUE(network_renamed(model, 0) && !network_renamed(model, 1));
    // As typed in the list: the edited row's own name kept leaves it alone, and is said only
    // when the edit named other rows too (which take it).
    EXPECT_FALSE(rename_as_typed(model, 1, {}, "Two").said);
    EXPECT_EQ(rename_as_typed(model, 1, {0, 1}, "Two").renamed, 1u);
    discard_renames(model);
    EXPECT_EQ(names(model), names(loaded()));
    rename_networks(model, {3}, "Kept");
    keep_network_names(model);  // written or saved
    EXPECT_EQ(renamed_network_count(model), 0u);
    discard_renames(model);
    EXPECT_EQ(model.records[3].name, "Kept");
}

// A discard before a spreadsheet file: rows the file leaves out have their loaded names, and
// only the file's own renames are counted.
TEST(NetworksModel, ASpreadsheetAfterADiscardCountsOnlyItsOwnRenames) {
    networks_model model = loaded();
    rename_networks(model, {0, 1, 3}, "Typed");
    discard_renames(model);
    const name_sheet_result sheet =
        apply_name_sheet("Key,Name on phone\r\n72F41000,Two\r\n52F01000,Sheet\r\n", "n.csv",
                         model.records, code_page_1252_of_utf8);
    ASSERT_EQ(sheet.refusal, "");
    EXPECT_EQ(rename_networks_after(model, sheet.records, "n.csv"), 1u);
    EXPECT_EQ(names(model)[0], "Sheet");
    EXPECT_EQ(names(model)[3], "\xC0\xE1\xE2");
    EXPECT_EQ(renamed_network_count(model), 1u);
}

// Find ignores the case of the system's own letters, and takes no letter for another.
TEST(NetworksModel, FindFoldsTheLettersOfTheSystemsCodePage) {
    const struct {
        code_page_letters letters;
        std::string name;
        std::string find;
        bool found;
    } cases[] = {
        {western_letters(), "\xC4rger \x8A\xD8", "\xE4RGER \x9A\xF8", true},  // Ärger Šø
        {western_letters(), "\x9F", "\xFF", true},                            // Ÿ ÿ
        {letters_1251(), "\xDF\xD7 \xA8", "\xFF\xF7 \xB8", true},             // ЯЧ Ё, яч ё
        {letters_1251(), "\x80\xA5", "\x90\xB4", true},                       // Ђ Ґ, ђ ґ
        {letters_1251(), "\x9F", "\xFF", false},                              // џ is no я
        {letters_1251(), "\xC4", "\xE4", true},                               // Д д
        {western_letters(), "mts", "MTS", true},
    };
    for (const auto& c : cases) {
        networks_model model;
        model.letters = c.letters;
        load_networks(model, {{no_network_key, "x"}, {no_network_key, c.name}});
        find_networks(model, c.find);
        EXPECT_EQ(model.shown, c.found ? std::vector<int>{1} : std::vector<int>{}) << c.name;
        EXPECT_EQ(networks_found_text(model), c.found ? "1 of 2" : "0 of 2");
    }
    EXPECT_EQ(networks_found_text(networks_model{}), "");
    // The country and operator as the system converts them (the page's test finds by them).
    EXPECT_EQ(network_cell(loaded(letters_1251()), 1, 3), "S?minn");
}

TEST(NetworksModel, SortGoesUpDownAndBackWhileWritesImageKeepsTableOrder) {
    networks_model model = loaded();
    const std::string image = format_operator_table(model.records);
    const std::vector<int> table_order = {0, 1, 2, 3};
    const struct {
        int column;
        std::vector<int> shown;
    } clicks[] = {{0, {2, 0, 1, 3}},
                  {0, {3, 1, 0, 2}},
                  {0, table_order},
                  {network_number_column, table_order},
                  {network_number_column, {3, 2, 1, 0}},
                  {1, {2, 0, 3, 1}}};
    for (const auto& click : clicks) {
        sort_networks_by(model, click.column);
        EXPECT_EQ(model.shown, click.shown) << click.column;
    }
    EXPECT_EQ(format_operator_table(model.records), image);
    // The cells as the list shows them: a name up to its zero byte, the key in hex, the place.
    EXPECT_EQ(networks_copy_text(model, {2, 3}, [](const std::string& cell) { return cell; }),
              "Name on phone\tNetwork\tCountry\tOperator\tKey\t#\r\nMega\t\t\t\tFF FF FF FF\t3\r\n"
              "\xC0\xE1\xE2\t250-01\tRussian Federation\t" +
                  network_cell(model, 0, 3) + "\t52 F0 10 00\t4");
}

TEST(NetworksModel, OperatorNamesGoToKnownNetworksTheSystemCanWrite) {
    networks_model model = loaded(letters_1251());
    const operator_names_result result = use_operator_names(model, {0, 1, 2});
    EXPECT_EQ(result.named, 1u);
    EXPECT_EQ(result.kept, 1u);
    EXPECT_EQ(names(model)[0], network_cell(model, 0, 3));
    EXPECT_EQ(names(model)[1], "Two");
    EXPECT_EQ(renamed_network_count(model), 1u);
    model = loaded();  // a Western system writes the accent
    EXPECT_EQ(use_operator_names(model, {1}).named, 1u);
    EXPECT_EQ(names(model)[1], "S\xEDminn");
}

// Each kind of step after a rename, undone and redone, in a list sorted by name and found by "e":
// the names (and so the marks) as before it and then as after it, while the rows shown, their
// order and the find text stay; the menu names the step.
TEST(NetworksModel, EachStepIsUndoneAndRedoneByItsNamesAlone) {
    const std::vector<operator_record> sheet =
        apply_name_sheet("Key,Name on phone\r\n72F41000,Sheet\r\n", "n.csv", loaded().records,
                         code_page_1252_of_utf8)
            .records;
    const std::pair<std::function<void(networks_model&)>, std::string> steps[] = {
        {[](networks_model& model) {
             rename_networks(model, {0, 1, 3}, "New");
         },
         "Undo rename of 3 networks\tCtrl+Z"},
        {[](networks_model& model) {
             use_operator_names(model, {0, 1, 2});
         },
         "Undo operator names for 2 networks\tCtrl+Z"},
        {[&sheet](networks_model& model) { rename_networks_after(model, sheet, "n.csv"); },
         "Undo rename of 2 networks from n.csv\tCtrl+Z"},
        {discard_renames, "Undo discard of changes to 2 networks\tCtrl+Z"},
    };
    for (const auto& [step, undo_command] : steps) {
        networks_model model = loaded();
        sort_networks_by(model, 0);
        find_networks(model, "E");
        rename_networks(model, {1, 2}, "One");
        const std::vector<std::string> before = names(model);
        step(model);
        const std::vector<std::string> after = names(model);
        const std::vector<int> shown = model.shown;
        EXPECT_EQ(undo_command_text(model), undo_command);
        ASSERT_NE(undo_names(model), nullptr);
        EXPECT_EQ(names(model), before) << undo_command;
        ASSERT_NE(redo_names(model), nullptr);
        EXPECT_EQ(names(model), after) << undo_command;
        EXPECT_EQ(model.shown, shown);
        EXPECT_EQ(model.find_text, "e");
    }
}

// A load starts a new history; a Write keeps it (a name undone after it is renamed again); undo
// past the oldest step and redo past the newest do nothing; a new step ends what could be redone;
// the newest names_steps_kept steps are kept.
TEST(NetworksModel, TheHistoryIsNewAfterALoadAndKeptByAWrite) {
    networks_model model = loaded();
    rename_networks(model, {0}, "First");
    load_networks(model, model.records);
    EXPECT_EQ(undo_names(model), nullptr);
    rename_networks(model, {1}, "Written");
    keep_network_names(model);
    ASSERT_NE(undo_names(model), nullptr);
    EXPECT_TRUE(network_renamed(model, 1));
    EXPECT_EQ(undo_names(model), nullptr);
    EXPECT_EQ(names(model)[1], "Two");
    rename_networks(model, {2}, "Other");
    EXPECT_EQ(redo_names(model), nullptr);
    for (size_t step = 0; step < names_steps_kept; ++step)
        rename_networks(model, {3}, "Step " + std::to_string(step));
    size_t undone = 0;
    while (undo_names(model) != nullptr)
        ++undone;
    EXPECT_EQ(undone, names_steps_kept);
    EXPECT_EQ(names(model)[2], "Other");
    EXPECT_EQ(names(model)[3], "\xC0\xE1\xE2");
}

}  // namespace
