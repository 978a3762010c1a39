// Port selection and the library's version and build strings.
#include "zkcomm/build_stamp.h"
#include "zkcomm/export_guard.h"
#include "zkcomm/zkcomm.h"

#include <cstring>

namespace {

char* CopyText(char* buffer, const char* text) {
    if (buffer != nullptr) {
        std::memcpy(buffer, text, std::strlen(text) + 1);
    }
    return buffer;
}

} // namespace

extern "C" {

ZKCOMM_API char* ZKCOMM_CALL CommZkDLLVersion(char* buffer) {
    return CopyText(buffer, zkcomm::VersionText);
}

ZKCOMM_API char* ZKCOMM_CALL CommZkDLLCompileTime(char* buffer) {
    return CopyText(buffer, zkcomm::BuildStamp());
}

ZKCOMM_API int32_t ZKCOMM_CALL UseParallelPort(int32_t port) {
    return zkcomm::Guarded<int32_t>(LinkInvalid,
                                    [&] { return zkcomm::Session().UseParallelPort(port); });
}

} // extern "C"
