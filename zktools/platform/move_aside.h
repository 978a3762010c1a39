// Putting a file out of the way without losing it: it gets a new name beside it that
// overwrites nothing, so whoever looks later still finds its bytes.
#ifndef ZKTOOLS_PLATFORM_MOVE_ASIDE_H
#define ZKTOOLS_PLATFORM_MOVE_ASIDE_H

#include <string>

namespace zk::platform {

struct MovedAside {
    bool moved = false;
    std::string to; // the new name when moved
    int error = 0;  // errno of the last attempt when not moved
};

// Renames path to path + suffix, or path + suffix + "-1", "-2", ... when that name is taken
// by anything (also a dangling link). The rename never replaces what is there: an atomic
// no-replace rename, else a hard link and an unlink, else, on a file system that has
// neither, a rename after looking that the name is free. On failure the file stays at path.
MovedAside MoveAside(const std::string& path, const std::string& suffix);

} // namespace zk::platform

#endif
