// The NV set read from the simulated drive: 44 verified logic frames, so this is mostly the
// link library's and the simulator's cost per port access.
#include "zktools/model/data_process.h"
#include "zktools/model/symbol_table.h"

#include "zkcomm/sim/simulated_drive.h"
#include "zkcomm/testing.h"

#include <benchmark/benchmark.h>

namespace {

void BM_ReadNvSetFromDrive(benchmark::State& state) {
    zkcomm::testing::ScopedSimulator simulator;
    if (!simulator.Selected()) {
        state.SkipWithError("simulated port not selected");
        return;
    }
    const VarTableList nvSet = SymTable.GetUserNVVars();
    for (auto _ : state) {
        benchmark::DoNotOptimize(DataProcess::ReadListFromDrive(nvSet));
    }
    state.counters["frames"] =
        benchmark::Counter(static_cast<double>(simulator.Drive().GetCounters().logic.frames),
                           benchmark::Counter::kAvgIterations);
    SymTable.ResetToDefaults();
}
BENCHMARK(BM_ReadNvSetFromDrive);

void BM_ReadNvSetFromNv(benchmark::State& state) {
    zkcomm::testing::ScopedSimulator simulator;
    if (!simulator.Selected()) {
        state.SkipWithError("simulated port not selected");
        return;
    }
    const VarTableList nvSet = SymTable.GetUserNVVars();
    for (auto _ : state) {
        benchmark::DoNotOptimize(DataProcess::ReadListFromNV(nvSet));
    }
    SymTable.ResetToDefaults();
}
BENCHMARK(BM_ReadNvSetFromNv);

} // namespace

BENCHMARK_MAIN();
