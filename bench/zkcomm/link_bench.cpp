// The library's own cost per port access: whole exports over a port that
// only counts. A real ISA port access takes about a microsecond.
#include "zkcomm/testing.h"
#include "zkcomm/zkcomm.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

// Counts accesses; data-in toggles at every read, so a ready wait ends at
// its second read.
class CountingPort : public zkcomm::PortIo {
public:
    bool Out(uint16_t, uint8_t value) override {
        ++accesses;
        last = value;
        return true;
    }
    bool In(uint16_t, uint8_t& value) override {
        ++accesses;
        toggle = !toggle;
        value = toggle ? 0x00 : 0x20;
        return true;
    }
    uint64_t accesses = 0;
    uint8_t last = 0;
    bool toggle = false;
};

class OnCountingPort {
public:
    OnCountingPort() : machine_(port) {
        zkcomm::testing::RestoreDefaults();
        machine_.Install();
        if (UseParallelPort(1) != LinkOk) {
            std::abort();
        }
    }
    ~OnCountingPort() { zkcomm::testing::RestoreDefaults(); }
    CountingPort port;

private:
    zkcomm::testing::FakeMachine machine_;
};

template <typename Call> void Run(benchmark::State& state, Call call) {
    OnCountingPort link;
    for (auto _ : state) {
        benchmark::DoNotOptimize(call());
    }
    const auto accesses = static_cast<double>(link.port.accesses);
    state.counters["accesses"] =
        static_cast<double>(link.port.accesses) / static_cast<double>(state.iterations());
    state.counters["ns_per_access"] =
        benchmark::Counter(accesses, benchmark::Counter::kIsRate | benchmark::Counter::kInvert,
                           benchmark::Counter::kIs1000);
    state.counters["accesses_per_s"] = benchmark::Counter(accesses, benchmark::Counter::kIsRate);
}

void RegisterRead(benchmark::State& state) {
    Run(state, [] {
        int32_t value = 0;
        int32_t status = 0;
        return GetVarFromFPGA(5, &value, &status) + value;
    });
}

void NvRead(benchmark::State& state) {
    Run(state, [] {
        uint32_t reg = 0;
        int32_t data = 0;
        return GetVarFromEEPROM(17, &reg, &data) + data;
    });
}

void NvWrite(benchmark::State& state) {
    Run(state, [] { return PutVarToEEPROM(17, 3, 0x5A); });
}

BENCHMARK(RegisterRead);
BENCHMARK(NvRead);
BENCHMARK(NvWrite);

} // namespace

BENCHMARK_MAIN();
