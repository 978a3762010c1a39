// Result codes of the model's drive operations. The link library's own four codes keep their
// names and values: LinkFailed 0, LinkOk 1, LinkNotReady 2, LinkInvalid 3.
#ifndef ZKTOOLS_MODEL_STAT_CODE_H
#define ZKTOOLS_MODEL_STAT_CODE_H

#include "zkcomm/zkcomm.h"

#include <cstdint>

// Result of a single-parameter drive operation, of ReadDriveStatus and of EraseNV. Callers
// show a failure as the "Stat" label of the code.
using StatCode = int32_t;

inline constexpr StatCode UnknownParameter = 5;  // the name is not in the table
inline constexpr StatCode NVAddressMismatch = 6; // an NV word names another register
inline constexpr StatCode VerifyFailed = 9;      // readings or the read-back disagree

// Result of a list transfer: 1000 + n + 1 when all n parameters went through, otherwise
// 10 x the 1-based position of the failing parameter + its StatCode (always below 10).
using BatchResult = int32_t;

constexpr BatchResult BatchSuccess(int32_t count) noexcept {
    return 1000 + count + 1;
}
constexpr BatchResult BatchFailure(int32_t position, StatCode code) noexcept {
    return 10 * position + code;
}
// Unambiguous for lists of up to 99 parameters; the table's lists hold at most 25.
constexpr bool BatchSucceeded(BatchResult result) noexcept {
    return result > 1000;
}
// On success: the grid's row count, the parameters plus the heading row.
constexpr int32_t BatchRows(BatchResult result) noexcept {
    return result - 1000;
}
// On failure: where and why.
constexpr int32_t BatchFailedPosition(BatchResult result) noexcept {
    return result / 10;
}
constexpr StatCode BatchFailedCode(BatchResult result) noexcept {
    return result % 10;
}

// Results of the model checks besides the StatCode of a failed read.
inline constexpr int32_t ModelMatches = 1001;
inline constexpr int32_t ModelDiffers = 1000;

#endif
