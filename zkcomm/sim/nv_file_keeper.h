// A drive's NV memory kept in a file: read once when the drive is made, written again each
// time the memory changes, so that what was sent to NV is there at the next start.
#ifndef ZKCOMM_SIM_NV_FILE_KEEPER_H
#define ZKCOMM_SIM_NV_FILE_KEEPER_H

#include <functional>
#include <optional>
#include <string>

#include "zkcomm/sim/factory_set.h"

namespace zkcomm::sim {

class SimulatedDrive;

class NvFileKeeper {
public:
    // Gets one line per problem (default: standard error).
    using Report = std::function<void(const std::string&)>;
    explicit NvFileKeeper(std::string path, Report report = {});

    // The contents to power on with: the file's; the factory set when there is no file yet,
    // or, with one report line, when the file cannot be used. Such a file is moved aside
    // (to path + ".bad") so that the next write does not cost it.
    NvImage Load();
    // Writes the image unless the file holds it already. A failure is reported once, until
    // a write succeeds again; the drive goes on either way.
    void Keep(const NvImage& image);

    const std::string& Path() const { return path_; }

private:
    std::string path_;
    Report report_;
    std::optional<NvImage> kept_;
    bool failing_ = false;
};

// Powers the drive on with the file's contents and has the keeper write every change. An
// empty path keeps nothing. The keeper lives as long as the drive keeps it.
void KeepNvInFile(SimulatedDrive& drive, const std::string& path, NvFileKeeper::Report report = {});

} // namespace zkcomm::sim

#endif
