// What the ppdev back end asks of a device and how it takes the answers: a
// failed data write or status read is a failed access, a failed claim gives
// the device back, and a port in use is released before it is closed.
#include "case_name.h"
#include "fake_ppdev.h"
#include "zkcomm/platform/linux/ppdev_port_io.h"

#include <gtest/gtest.h>

#include <functional>

namespace zkcomm::test {
namespace {

using Calls = std::vector<std::string>;

struct DeviceCase {
    const char* name;
    unsigned long failing; // this ioctl fails with EIO; 0: none does
    // Done with the port I/O once opened; false when the access failed.
    std::function<bool(PortIo&)> use;
    bool opened;
    bool used;
    Calls calls; // the whole conversation, to the close
};
void PrintTo(const DeviceCase& c, std::ostream* os) {
    *os << c.name;
}

bool WriteData(PortIo& io) {
    return io.Out(0x378, 0xA5);
}
bool ReadStatus(PortIo& io) {
    uint8_t status = 0x11;
    const bool ok = io.In(0x379, status);
    EXPECT_EQ(status, ok ? 0x78 : 0x11) << "a failed read leaves the byte alone";
    return ok;
}
bool Nothing(PortIo&) {
    return true;
}

const DeviceCase DeviceCases[] = {
    {"DataWritten", 0, WriteData, true, true, {"open", "PPCLAIM", "PPWDATA", "PPRELEASE", "close"}},
    {"StatusRead",
     0,
     ReadStatus,
     true,
     true,
     {"open", "PPCLAIM", "PPRSTATUS", "PPRELEASE", "close"}},
    {"FailedDataWriteIsAFailedAccess",
     PPWDATA,
     WriteData,
     true,
     false,
     {"open", "PPCLAIM", "PPWDATA", "PPRELEASE", "close"}},
    {"FailedStatusReadIsAFailedAccess",
     PPRSTATUS,
     ReadStatus,
     true,
     false,
     {"open", "PPCLAIM", "PPRSTATUS", "PPRELEASE", "close"}},
    {"ReleasedBeforeClosed", 0, Nothing, true, true, {"open", "PPCLAIM", "PPRELEASE", "close"}},
    {"FailedClaimClosesTheDevice", PPCLAIM, Nothing, false, false, {"open", "PPCLAIM", "close"}},
};

class PpdevDevice : public ::testing::TestWithParam<DeviceCase> {};

TEST_P(PpdevDevice, AsksAndAnswersAsTheDriverDoes) {
    const DeviceCase& c = GetParam();
    FakeParports ports(std::string("device-") + c.name);
    ports.Add(0, 0x378);
    FakePpdev ppdev;
    ppdev.SetStatus(0x78);
    if (c.failing != 0) {
        ppdev.Fail(c.failing, EIO);
    }
    std::vector<std::string> lines;
    linux_platform::PpdevPortProvider provider(
        ports.Proc(), ports.Dev(), [&lines](const std::string& line) { lines.push_back(line); },
        &ppdev);

    std::unique_ptr<PortIo> io = provider.Open(0x378);
    ASSERT_EQ(io != nullptr, c.opened);
    if (io != nullptr) {
        EXPECT_EQ(c.use(*io), c.used);
        io.reset();
    } else {
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_NE(lines[0].find("cannot claim"), std::string::npos) << lines[0];
    }
    EXPECT_EQ(ppdev.Calls(), c.calls);
    EXPECT_EQ(ppdev.OpenDevices(), 0u) << "a device was left open";
    if (c.used && c.calls[2] == "PPWDATA") {
        EXPECT_EQ(ppdev.Written(), std::vector<uint8_t>{0xA5});
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, PpdevDevice, ::testing::ValuesIn(DeviceCases), CaseName());

} // namespace
} // namespace zkcomm::test
