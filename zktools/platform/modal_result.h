// Modal results as the windows use them. Only a non-zero result ends a modal run.
#ifndef ZKTOOLS_PLATFORM_MODAL_RESULT_H
#define ZKTOOLS_PLATFORM_MODAL_RESULT_H

namespace zk::platform {

inline constexpr int kModalNone = 0;
inline constexpr int kModalOk = 1;
inline constexpr int kModalCancel = 2;

} // namespace zk::platform

#endif
