// Nothing may leave an export as an exception: the caller is C.
#ifndef ZKCOMM_EXPORT_GUARD_H
#define ZKCOMM_EXPORT_GUARD_H

#include "zkcomm/link_session.h"

namespace zkcomm {

// Runs body; an exception ends the access as failed with the lines dropped
// where that is still possible, and yields fallback.
template <typename Result, typename Body> Result Guarded(Result fallback, Body&& body) noexcept {
    try {
        return body();
    } catch (...) {
        try {
            if (Session().Link().DataShadow() != 0) {
                Session().Link().ReleaseLink();
            }
        } catch (...) {
        }
        return fallback;
    }
}

} // namespace zkcomm

#endif
