#include "zkcomm/testing.h"

#include "zkcomm/link_session.h"
#include "zkcomm/platform/hardware_description.h"

#include <string>

namespace zkcomm::testing {

void InstallPortProvider(PortIoProvider* provider) {
    Session().Overrides().ports = provider;
}

void InstallRegistryTree(RegistryTree* tree) {
    Session().Overrides().registry = tree;
}

void InstallVersionQuery(VersionQuery* version) {
    Session().Overrides().version = version;
}

void InstallBiosAreaReader(BiosAreaReader* bios) {
    Session().Overrides().bios = bios;
}

void ResetLink() {
    Session().Reset();
}

void RestoreDefaults() {
    Session().Reset();
    Session().SetOverrides(PlatformServices{});
}

DriveLink& Link() {
    return Session().Link();
}

RecordingPortIo& RecordPort() {
    return Session().StartRecording();
}

void StopRecording() {
    Session().StopRecording();
}

void UseSimulatedPlatform() {
    Session().SetOverrides(SimulatorPlatform());
}

FakeMachine::FakeMachine(PortIo& io) : io_(&io) {
    SetBase(1, 0x378);
    SetBase(2, 0x278);
    SetBase(3, 0x3BC);
}

void FakeMachine::SetBase(int lpt, uint16_t base) {
    AddParallelPort(registry_, lpt - 1, base);
}

void FakeMachine::Install() {
    InstallPortProvider(this);
    InstallRegistryTree(&registry_);
    InstallVersionQuery(&version_);
}

std::unique_ptr<PortIo> FakeMachine::Open(uint16_t) {
    ++opens_;
    return std::make_unique<ForwardingPortIo>(*io_);
}

} // namespace zkcomm::testing
