#include "zkcomm/link_session.h"

#include "zkcomm/port_discovery.h"
#include "zkcomm/zkcomm.h"

namespace zkcomm {

LinkSession& Session() {
    static LinkSession session;
    return session;
}

PlatformServices LinkSession::Effective() const {
    const PlatformServices defaults = DefaultPlatform();
    return PlatformServices{
        overrides_.ports != nullptr ? overrides_.ports : defaults.ports,
        overrides_.registry != nullptr ? overrides_.registry : defaults.registry,
        overrides_.version != nullptr ? overrides_.version : defaults.version,
        overrides_.bios != nullptr ? overrides_.bios : defaults.bios,
    };
}

void LinkSession::Attach() {
    PortIo* active = port_.get();
    if (recorder_ != nullptr) {
        recorder_->SetTarget(active);
        active = recorder_.get();
    }
    link_.SetIo(active);
}

void LinkSession::ClosePort() {
    link_.SetIo(nullptr);
    port_.reset();
    portProvider_ = nullptr;
    portBase_ = 0;
    Attach();
}

int32_t LinkSession::UseParallelPort(int32_t port) {
    if (port == 0) {
        link_.SetLinkDisabled(true);
        ClosePort();
        return LinkOk;
    }
    const PlatformServices platform = Effective();
    const DiscoveryPlatform discovery{*platform.registry, *platform.version, *platform.bios};
    const int32_t found = GetPortBase(port, discovery);
    if (found == PortNotFound) {
        return LinkInvalid;
    }
    const auto base = static_cast<uint16_t>(found);
    // The port in hand stays in use; opening it again would find it held by our own claim.
    if (port_ == nullptr || portProvider_ != platform.ports || portBase_ != base) {
        std::unique_ptr<PortIo> io = platform.ports->Open(base);
        if (io == nullptr) {
            return LinkInvalid;
        }
        link_.SetIo(nullptr);
        port_ = std::move(io);
        portProvider_ = platform.ports;
        portBase_ = base;
    }
    link_.SelectBase(base);
    link_.SetLinkDisabled(false);
    Attach();
    return LinkOk;
}

void LinkSession::Reset() {
    recorder_.reset();
    ClosePort();
    link_.ResetToLoadState();
}

RecordingPortIo& LinkSession::StartRecording() {
    if (recorder_ == nullptr) {
        recorder_ = std::make_unique<RecordingPortIo>();
    }
    Attach();
    return *recorder_;
}

void LinkSession::StopRecording() {
    recorder_.reset();
    Attach();
}

} // namespace zkcomm
