// Time of the operator table rewrite on a full read block, beside a plain copy of as many bytes.
#include "phone/operator_table.h"

#include <benchmark/benchmark.h>

#include <string>

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

}  // namespace

BENCHMARK(copy_full_table);
BENCHMARK(rewrite_full_table);
BENCHMARK(rewrite_small_records);

BENCHMARK_MAIN();
