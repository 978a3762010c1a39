// Hooks for tests that link zkcomm::core statically. None of this is exported
// from the shared library. Every hook acts on the one process-wide link; a
// test that uses one restores the defaults when it ends (ScopedLinkReset or
// RestoreDefaults()).
#ifndef ZKCOMM_TESTING_H
#define ZKCOMM_TESTING_H

#include "zkcomm/drive_link.h"
#include "zkcomm/platform/bios_area_reader.h"
#include "zkcomm/platform/in_memory_registry_tree.h"
#include "zkcomm/platform/port_io_provider.h"
#include "zkcomm/platform/recording_port_io.h"
#include "zkcomm/platform/registry_tree.h"
#include "zkcomm/platform/version_query.h"

#include <cstdint>

namespace zkcomm::sim {
class SimulatedDrive;
}

namespace zkcomm::testing {

// Platform seams for the process. The objects stay the caller's and must
// outlive their use; nullptr puts the default back (chosen by ZKCOMM_SIMULATOR
// at each port selection). They take effect at the next UseParallelPort.
void InstallPortProvider(PortIoProvider* provider);
void InstallRegistryTree(RegistryTree* tree);
void InstallVersionQuery(VersionQuery* version);
void InstallBiosAreaReader(BiosAreaReader* bios);

// Back to the state at load: link off, no port selected (an open port is
// released and closed), DataShadow 0, recorder removed. Seams stay.
void ResetLink();
// ResetLink() and every seam back to its default.
void RestoreDefaults();

// The process-wide link object, to look at its state.
DriveLink& Link();

// From now until StopRecording() or ResetLink(), every port access of the
// exports goes through the returned recorder, which passes it on to the
// selected port (also to one selected later). The same recorder is returned
// while recording; Clear() it to start counting afresh.
RecordingPortIo& RecordPort();
void StopRecording();

// Installs the simulated machine whatever ZKCOMM_SIMULATOR says: only LPT1,
// at 0x378, wired to the process-wide simulated drive. Select it with
// UseParallelPort(1).
void UseSimulatedPlatform();
// The process-wide simulated drive (the one the simulated machine uses).
sim::SimulatedDrive& SimDrive();

// A machine whose LPT ports all lead to one port I/O of the test's: the
// description holds LPT1 to LPT3 at 0x378, 0x278 and 0x3BC (change with
// SetBase) and every Open hands out a forwarder to io.
class FakeMachine : public PortIoProvider {
public:
    explicit FakeMachine(PortIo& io);
    void SetBase(int lpt, uint16_t base);
    InMemoryRegistryTree& Registry() { return registry_; }
    // Installs this machine's provider, registry and an NT version query.
    void Install();
    size_t OpenCount() const { return opens_; }

    std::unique_ptr<PortIo> Open(uint16_t base) override;

private:
    class NtVersion : public VersionQuery {
    public:
        uint32_t GetVersion() override { return 0x00000006u; }
    };
    PortIo* io_;
    InMemoryRegistryTree registry_;
    NtVersion version_;
    size_t opens_ = 0;
};

// Restores the defaults when it goes out of scope.
class ScopedLinkReset {
public:
    ScopedLinkReset() = default;
    ~ScopedLinkReset() { RestoreDefaults(); }
    ScopedLinkReset(const ScopedLinkReset&) = delete;
    ScopedLinkReset& operator=(const ScopedLinkReset&) = delete;
};

// For a test on the simulated drive: restores the defaults, resets the shared
// drive, installs the simulated machine and selects LPT1 (Selected() tells
// whether that worked). On destruction: defaults back, shared drive reset.
class ScopedSimulator {
public:
    ScopedSimulator();
    ~ScopedSimulator();
    ScopedSimulator(const ScopedSimulator&) = delete;
    ScopedSimulator& operator=(const ScopedSimulator&) = delete;
    bool Selected() const { return selected_; }
    sim::SimulatedDrive& Drive() { return SimDrive(); }

private:
    bool selected_ = false;
};

} // namespace zkcomm::testing

#endif
