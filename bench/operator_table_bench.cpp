// Time of the operator table rewrite on a full read block, beside a plain copy of as many bytes;
// and of the Networks page model's find keystroke, header click, and undo and redo of a rename of
// every row, on 5000 records.
#include "phone/operator_table.h"

#include <benchmark/benchmark.h>

#include <string>

#include "phone/networks_model.h"

namespace {

const std::string new_name = "Super-Line";

std::string record(int number, int name_length) {
    std::string out = {'\x52', static_cast<char>(number & 0xFF), static_cast<char>(number >> 8), 0};
    out.push_back(static_cast<char>(name_length));
    return out + std::string(name_length, static_cast<char>('A' + number % 26));
}

// Names of 4 to 20 bytes, as operator names run, with the last record ending exactly at the
// read limit: about 1150 records and no zero fill.
std::string full_table() {
    std::string table;
    for (int i = 0; operator_table_read_limit - table.size() > 5 + 20 + 5 + 20; ++i) {
        table += record(i, 4 + i * 7 % 17);
    }
    return table + record(9999, operator_table_read_limit - table.size() - 5);
}

// The most records that still take a three-byte name: 2500 records of 8 bytes.
std::string small_records_table() {
    std::string table;
    for (int i = 0; i < 2500; ++i) {
        table += record(i, 3);
    }
    return table;
}

void run_rewrite(benchmark::State& state, const std::string& image, const std::string& name) {
    if (rewrite_operator_table(image, name).status != rewrite_status::ok) {
        state.SkipWithError("the table was refused");
        return;
    }
    for (auto _ : state) {
        rewrite_result result = rewrite_operator_table(image, name);
        benchmark::DoNotOptimize(result.table.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(image.size()));
    state.counters["records"] =
        static_cast<double>(rewrite_operator_table(image, name).record_count);
}

void rewrite_full_table(benchmark::State& state) {
    run_rewrite(state, full_table(), new_name);
}

void rewrite_small_records(benchmark::State& state) {
    run_rewrite(state, small_records_table(), "Tev");
}

// The yardstick: copying the same 20000 bytes into a new string.
void copy_full_table(benchmark::State& state) {
    const std::string image = full_table();
    for (auto _ : state) {
        std::string copy = image;
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(image.size()));
}

// 5000 records of networks the data knows and some it does not, named as phones name them.
networks_model model_of_5000() {
    networks_model model;
    model.letters = western_letters();
    std::vector<operator_record> records;
    for (int i = 0; i < 5000; ++i) {
        const std::string key = {'\x52', static_cast<char>(0xF0 | i % 10),
                                 static_cast<char>(i % 100 / 10 * 16 + i % 10), 0};
        records.push_back({key, "Network number " + std::to_string(i)});
    }
    load_networks(model, std::move(records));
    return model;
}

void model_find_keystroke(benchmark::State& state) {
    networks_model model = model_of_5000();
    const char* typed[] = {"n", "ne", "net", "250", "250-", "12", "123", ""};
    size_t next = 0;
    for (auto _ : state) {
        find_networks(model, typed[next++ % 8]);
        benchmark::DoNotOptimize(model.shown.data());
    }
}

// A click on the name's, the country's and the "#" header in turn (up, down, table order).
void model_sort_click(benchmark::State& state) {
    networks_model model = model_of_5000();
    const int columns[] = {0, 0, 0, 2, 2, 2, network_number_column, network_number_column};
    size_t next = 0;
    for (auto _ : state) {
        sort_networks_by(model, columns[next++ % 8]);
        benchmark::DoNotOptimize(model.shown.data());
    }
}

// Every row renamed (Ctrl+A, F2), then undone and redone in turn: each iteration is one of them.
void model_undo_redo_5000_renames(benchmark::State& state) {
    networks_model model = model_of_5000();
    rename_networks(model, model.shown, "Mistake");
    bool undo = true;
    for (auto _ : state) {
        benchmark::DoNotOptimize(undo ? undo_names(model) : redo_names(model));
        undo = !undo;
    }
}

}  // namespace

BENCHMARK(model_find_keystroke);
BENCHMARK(model_undo_redo_5000_renames);
BENCHMARK(model_sort_click);
BENCHMARK(copy_full_table);
BENCHMARK(rewrite_full_table);
BENCHMARK(rewrite_small_records);

BENCHMARK_MAIN();
