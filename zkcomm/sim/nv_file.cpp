#include "zkcomm/sim/nv_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "zkcomm/sim/file_replace.h"

namespace zkcomm::sim {

namespace {

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

constexpr std::string_view kFileInState = "/zkcomm/sim-nv.bin";

} // namespace

std::string NvFilePath() {
    if (std::string file = Env("ZKCOMM_SIM_NV_FILE"); !file.empty()) {
        return file;
    }
    // A relative XDG_STATE_HOME is invalid and ignored.
    if (const std::string state = Env("XDG_STATE_HOME"); !state.empty() && state[0] == '/') {
        return state + std::string(kFileInState);
    }
    if (const std::string home = Env("HOME"); !home.empty()) {
        return home + "/.local/state" + std::string(kFileInState);
    }
    return {};
}

std::string EncodeNvFile(const NvImage& image) {
    std::string bytes(kNvFileMagic);
    bytes.reserve(kNvFileSize);
    for (const uint16_t word : image) {
        bytes.push_back(static_cast<char>(word & 0xFF));
        bytes.push_back(static_cast<char>(word >> 8));
    }
    return bytes;
}

std::optional<NvImage> DecodeNvFile(std::string_view bytes, std::string* why) {
    if (bytes.size() != kNvFileSize) {
        *why = std::to_string(bytes.size()) + " bytes where an NV memory file has " +
               std::to_string(kNvFileSize);
        return std::nullopt;
    }
    if (bytes.substr(0, kNvFileMagic.size()) != kNvFileMagic) {
        *why = "not an NV memory file (it does not start with " + std::string(kNvFileMagic) + ")";
        return std::nullopt;
    }
    NvImage image{};
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data() + kNvFileMagic.size());
    for (std::size_t n = 0; n < image.size(); ++n) {
        image[n] = static_cast<uint16_t>(data[2 * n] | (data[2 * n + 1] << 8));
    }
    return image;
}

NvFileLoad LoadNvFile(const std::string& path) {
    NvFileLoad load;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT) {
            return load; // the first run: nothing kept yet
        }
        load.status = NvFileLoad::Status::Unusable;
        load.why = std::string("cannot open it: ") + std::strerror(errno);
        return load;
    }
    // One byte more than a good file has tells a longer file from a good one.
    std::string bytes;
    char buffer[kNvFileSize + 1];
    while (bytes.size() <= kNvFileSize) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer - bytes.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            load.status = NvFileLoad::Status::Unusable;
            load.why = std::string("cannot read it: ") + std::strerror(errno);
            ::close(fd);
            return load;
        }
        if (n == 0) {
            break;
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    if (bytes.size() > kNvFileSize) {
        load.status = NvFileLoad::Status::Unusable;
        load.why = "more than the " + std::to_string(kNvFileSize) + " bytes of an NV memory file";
        return load;
    }
    if (auto image = DecodeNvFile(bytes, &load.why)) {
        load.status = NvFileLoad::Status::Loaded;
        load.image = *image;
    } else {
        load.status = NvFileLoad::Status::Unusable;
    }
    return load;
}

bool SaveNvFile(const std::string& path, const NvImage& image, std::string* why) {
    return ReplaceFile(path, EncodeNvFile(image), why);
}

} // namespace zkcomm::sim
