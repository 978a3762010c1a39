// The simulated drive's NV memory file as the drive reads it at start: any bytes give an image
// or a reason, never a crash; an image read back writes the very same bytes.
#include "fuzz/memory_file.h"
#include "zkcomm/sim/nv_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

using zkcomm::sim::NvFileLoad;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzz::MemoryFile file;
    file.Fill(data, size);
    const NvFileLoad load = zkcomm::sim::LoadNvFile(file.Path());
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    switch (load.status) {
    case NvFileLoad::Status::Loaded:
        if (zkcomm::sim::EncodeNvFile(load.image) != input) {
            std::abort();
        }
        break;
    case NvFileLoad::Status::Unusable:
        if (load.why.empty()) {
            std::abort();
        }
        break;
    case NvFileLoad::Status::Missing:
        std::abort(); // the file is there
    }
    return 0;
}
