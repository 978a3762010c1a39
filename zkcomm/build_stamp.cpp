#include "zkcomm/build_stamp.h"

namespace zkcomm {

const char* BuildStamp() {
    // __DATE__ pads a one-digit day with a blank: exactly the 20 characters wanted.
    static constexpr char stamp[] = __DATE__ " " __TIME__;
    static_assert(sizeof(stamp) == 21);
    return stamp;
}

} // namespace zkcomm
