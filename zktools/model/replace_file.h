// Writing a whole file so that a failure never costs the user the file that was there.
#ifndef ZKTOOLS_MODEL_REPLACE_FILE_H
#define ZKTOOLS_MODEL_REPLACE_FILE_H

#include "zktools/model/file_calls.h"

#include <string>
#include <string_view>

namespace zkmodel_detail {

// Writes text as it is (a "\n" stays a "\n") to the file at path. False on any failure (folder
// missing, file or folder not writable, disk full, path a folder); then whatever stood at path
// is left as it was.
//
// A symbolic link stays a link: the file it names is written, created when missing (a
// dangling link). A file the process may not write is refused, whatever its folder allows.
// Normally the text goes to a new file beside the target (named after it, shortened where the
// folder's name limit needs it), which is flushed to disk and renamed over it, and the folder is
// flushed after the rename, so a power cut leaves the old file or the new one. The new file takes
// the old one's mode and, where the process may, its owner and group; a new file gets the mode the
// umask leaves of 0666. Only when the folder refuses the new file is an existing writable target
// written in place.
bool ReplaceFileContents(const std::string& path, std::string_view text,
                         FileCalls& calls = SystemFileCalls());

} // namespace zkmodel_detail

#endif
