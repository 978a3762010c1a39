// Name lookups and display formatting; "allocs" must stay 0 (counted by replacing the
// global operator new).
#include "counting_new.h"
#include "zktools/model/data_process.h"
#include "zktools/model/symbol_table.h"

#include <benchmark/benchmark.h>

namespace {

// Allocations during the timed loop, per iteration.
class AllocationCounter {
public:
    explicit AllocationCounter(benchmark::State& state)
        : state_(state), start_(AllocationCount()) {}
    ~AllocationCounter() {
        state_.counters["allocs"] = benchmark::Counter(
            static_cast<double>(AllocationCount() - start_), benchmark::Counter::kAvgIterations);
    }

private:
    benchmark::State& state_;
    long start_;
};

const char* const Names[] = {"pwmtimeout", "AutoDis",  "IVMODE",
                             "Command",    "swenable", "NoSuchName"};

void BM_GetValue(benchmark::State& state) {
    SymTable.Exists("IVMode");
    AllocationCounter count(state);
    std::size_t i = 0;
    for (auto _ : state) {
        int32_t v = 0;
        benchmark::DoNotOptimize(SymTable.GetValue(Names[i++ % std::size(Names)], v));
        benchmark::DoNotOptimize(v);
    }
}
BENCHMARK(BM_GetValue);

void BM_GetAddress(benchmark::State& state) {
    AllocationCounter count(state);
    std::size_t i = 0;
    for (auto _ : state) {
        int32_t a = 0, b = 0, c = 0, d = 0, e = 0, f = 0;
        benchmark::DoNotOptimize(
            SymTable.GetAddress(Names[i++ % std::size(Names)], a, b, c, d, e, f));
    }
}
BENCHMARK(BM_GetAddress);

void BM_GetKeyByToken(benchmark::State& state) {
    AllocationCounter count(state);
    for (auto _ : state) {
        benchmark::DoNotOptimize(SymbolTable::GetKeyByToken("PWMTimeOut", "0.21_sec"));
    }
}
BENCHMARK(BM_GetKeyByToken);

void BM_FormatValue(benchmark::State& state) {
    const int32_t type = static_cast<int32_t>(state.range(0));
    AllocationCounter count(state);
    int32_t raw = -24453;
    for (auto _ : state) {
        benchmark::DoNotOptimize(DataProcess::FormatValue(type, 0, raw));
        raw = raw < 24453 ? raw + 1 : -24453;
    }
}
BENCHMARK(BM_FormatValue)->DenseRange(11, 17);

void BM_ScaleToRaw(benchmark::State& state) {
    AllocationCounter count(state);
    float x = -10.0f;
    for (auto _ : state) {
        benchmark::DoNotOptimize(DataProcess::ScaleToRaw(11, 0, x));
        x = x < 10.0f ? x + 0.01f : -10.0f;
    }
}
BENCHMARK(BM_ScaleToRaw);

} // namespace
