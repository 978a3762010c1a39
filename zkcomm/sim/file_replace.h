// Writing a small file whole or not at all, for the simulated drive's NV memory.
#ifndef ZKCOMM_SIM_FILE_REPLACE_H
#define ZKCOMM_SIM_FILE_REPLACE_H

#include "zkcomm/sim/file_calls.h"

#include <string>
#include <string_view>

namespace zkcomm::sim {

// Writes bytes to a new file beside path (mode 0600), flushes it to disk and renames it
// over path, then flushes the folder: a crash or power cut leaves the old file or the new
// one, never a mix. Missing folders on the way are made (mode 0700). False on any failure,
// with the reason in *why; the file at path is then left as it was.
bool ReplaceFile(const std::string& path, std::string_view bytes, std::string* why,
                 FileCalls& calls = SystemFileCalls());

} // namespace zkcomm::sim

#endif
