// The file in which the simulated drive keeps its NV memory between runs, as a real drive's
// memory keeps it without power: "ZKSIMNV1" and the 256 words, low byte first.
#ifndef ZKCOMM_SIM_NV_FILE_H
#define ZKCOMM_SIM_NV_FILE_H

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "zkcomm/sim/factory_set.h"

namespace zkcomm::sim {

inline constexpr std::string_view kNvFileMagic = "ZKSIMNV1";
inline constexpr std::size_t kNvFileSize = kNvFileMagic.size() + 2 * kNvWords;

// $ZKCOMM_SIM_NV_FILE when set and not empty; else zkcomm/sim-nv.bin in the user's state
// folder ($XDG_STATE_HOME when it is an absolute path, else ~/.local/state). Empty when
// there is no home to put it in.
std::string NvFilePath();

std::string EncodeNvFile(const NvImage& image);
// The image, or nothing with the reason in *why.
std::optional<NvImage> DecodeNvFile(std::string_view bytes, std::string* why);

struct NvFileLoad {
    enum class Status { Missing, Loaded, Unusable };
    Status status = Status::Missing;
    NvImage image{};
    std::string why; // Unusable
};
NvFileLoad LoadNvFile(const std::string& path);

// Replaces the file safely (see ReplaceFile). False with the reason in *why.
bool SaveNvFile(const std::string& path, const NvImage& image, std::string* why);

} // namespace zkcomm::sim

#endif
