// The library's whole state for the process: the link object, the port I/O
// of the selected port, the platform seams, and an optional recorder between
// the two. Created on first use, so loading the library does nothing.
#ifndef ZKCOMM_LINK_SESSION_H
#define ZKCOMM_LINK_SESSION_H

#include "zkcomm/drive_link.h"
#include "zkcomm/platform/platform_services.h"
#include "zkcomm/platform/recording_port_io.h"

#include <memory>

namespace zkcomm {

class LinkSession {
public:
    LinkSession() = default;
    LinkSession(const LinkSession&) = delete;
    LinkSession& operator=(const LinkSession&) = delete;

    DriveLink& Link() { return link_; }

    // 0 switches the link off and gives the port back to the system; 1 to 3
    // find LPT n and, when its port I/O can be had, select it. Any failure
    // changes nothing.
    int32_t UseParallelPort(int32_t port);

    // Seams set here win over the defaults; nullptr members mean default.
    void SetOverrides(const PlatformServices& overrides) { overrides_ = overrides; }
    PlatformServices& Overrides() { return overrides_; }
    PlatformServices Effective() const;

    // Back to the load state: link off, no port (released), no recorder.
    void Reset();

    RecordingPortIo& StartRecording();
    void StopRecording();

private:
    void Attach();
    void ClosePort();

    DriveLink link_;
    std::unique_ptr<PortIo> port_;
    PortIoProvider* portProvider_ = nullptr; // the provider port_ came from
    uint16_t portBase_ = 0;
    std::unique_ptr<RecordingPortIo> recorder_;
    PlatformServices overrides_;
};

LinkSession& Session();

} // namespace zkcomm

#endif
