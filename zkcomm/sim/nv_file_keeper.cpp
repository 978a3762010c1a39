#include "zkcomm/sim/nv_file_keeper.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <utility>

#include "zkcomm/sim/nv_file.h"
#include "zkcomm/sim/simulated_drive.h"

namespace zkcomm::sim {

namespace {
void ToStderr(const std::string& line) {
    std::fprintf(stderr, "zkcomm: simulated drive: %s\n", line.c_str());
}
} // namespace

NvFileKeeper::NvFileKeeper(std::string path, Report report)
    : path_(std::move(path)), report_(report ? std::move(report) : Report(ToStderr)) {}

NvImage NvFileKeeper::Load() {
    const NvFileLoad load = LoadNvFile(path_);
    switch (load.status) {
    case NvFileLoad::Status::Loaded:
        kept_ = load.image;
        return load.image;
    case NvFileLoad::Status::Missing:
        kept_ = FactoryNvImage(); // nothing to write until the memory changes
        return *kept_;
    case NvFileLoad::Status::Unusable:
        break;
    }
    const std::string aside = path_ + ".bad";
    std::string line = "the NV memory file " + path_ + " cannot be used (" + load.why + ")";
    if (std::rename(path_.c_str(), aside.c_str()) == 0) {
        line += "; moved to " + aside;
    } else {
        line += "; it stays as it is (" + std::string(std::strerror(errno)) + ")";
    }
    report_(line + "; the drive starts with the factory NV set");
    kept_ = FactoryNvImage();
    return *kept_;
}

void NvFileKeeper::Keep(const NvImage& image) {
    if (kept_ && *kept_ == image) {
        return;
    }
    std::string why;
    if (!SaveNvFile(path_, image, &why)) {
        if (!failing_) {
            report_("its NV memory is not kept: " + why);
        }
        failing_ = true;
        return;
    }
    failing_ = false;
    kept_ = image;
}

void KeepNvInFile(SimulatedDrive& drive, const std::string& path, NvFileKeeper::Report report) {
    if (path.empty()) {
        return;
    }
    auto keeper = std::make_shared<NvFileKeeper>(path, std::move(report));
    drive.PowerOn(keeper->Load());
    drive.SetNvKeeper([keeper](const NvImage& image) { keeper->Keep(image); });
}

} // namespace zkcomm::sim
