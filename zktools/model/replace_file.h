// Writing a whole file so that a failure never costs the user the file that was there.
#ifndef ZKTOOLS_MODEL_REPLACE_FILE_H
#define ZKTOOLS_MODEL_REPLACE_FILE_H

#include <string>
#include <string_view>

namespace zkmodel_detail {

// Writes text (in text mode, so each "\n" becomes the platform's line end) to a new file
// beside path and renames it over path only once it is completely written and closed. False
// on any failure (folder missing or not writable, disk full, path a folder): then the new
// file is removed again and whatever stood at path is left as it was. A path that is a
// symbolic link has the file it names replaced, not the link. An existing file's permissions
// carry over to its replacement.
bool ReplaceFileContents(const std::string& path, std::string_view text);

} // namespace zkmodel_detail

#endif
