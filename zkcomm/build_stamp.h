// When this library was built, as "Mmm dd yyyy hh:mm:ss".
#ifndef ZKCOMM_BUILD_STAMP_H
#define ZKCOMM_BUILD_STAMP_H

namespace zkcomm {

inline constexpr const char* VersionText = "ZKCOMM.DLL -- Release 1.1";
const char* BuildStamp();

} // namespace zkcomm

#endif
