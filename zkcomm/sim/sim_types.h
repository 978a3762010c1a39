// Plain types of the simulated drive's test interface.
#ifndef ZKCOMM_SIM_SIM_TYPES_H
#define ZKCOMM_SIM_SIM_TYPES_H

#include <cstdint>

namespace zkcomm::sim {

// Level the data-in line is stuck at while no drive is attached.
enum class DataInLevel { Low, High };

// How an NV programming cycle (WRITE, ERASE, ERAL, WRAL) goes wrong. In both
// cases the memory keeps its old contents.
enum class NvCycleFault {
    None,
    NeverBusy,  // the memory ignores the instruction: ready at the first poll
    NeverReady, // the cycle never ends: busy until the chip select drops
};

// Matches every NV address in SetNvCycleFault, including ERAL and WRAL.
inline constexpr int kAnyNvAddress = -1;
// A fault count that never runs out.
inline constexpr int kEveryTime = -1;

// One complete logic frame: the 16 command bits clocked in and the 16 reply
// bits driven on data-in (after any injected bit flip).
struct LogicFrame {
    uint16_t command = 0;
    uint16_t reply = 0;
};

// One accepted port access: a data-register write or a status-register read.
struct PortAccess {
    bool write = false;
    uint16_t port = 0;
    uint8_t value = 0;
};

struct LogicCounters {
    uint64_t frames = 0;       // complete 16-bit frames
    uint64_t reads = 0;        // of which register reads
    uint64_t writes = 0;       // of which register writes
    uint64_t brokenFrames = 0; // frames that ended with a clock count other than 16
};

struct NvCounters {
    uint64_t read = 0; // instructions decoded, by type
    uint64_t write = 0;
    uint64_t erase = 0;
    uint64_t eraseAll = 0;
    uint64_t writeAll = 0;
    uint64_t writeEnable = 0;
    uint64_t writeDisable = 0;
    uint64_t cycles = 0;    // programming instructions accepted while write-enabled
    uint64_t refused = 0;   // programming instructions refused while write-disabled
    uint64_t busyReads = 0; // status reads that showed busy
};

struct SimCounters {
    uint64_t portWrites = 0;
    uint64_t statusReads = 0;
    LogicCounters logic;
    NvCounters nv;
};

} // namespace zkcomm::sim

#endif
