// The file-dialog seam. Filters are written as the windows declare them:
// "Description|pattern;pattern|Description|pattern", e.g.
// "Configuration File (*.ZKC)|*.ZKC".
#ifndef ZKTOOLS_PLATFORM_FILE_DIALOG_SERVICE_H
#define ZKTOOLS_PLATFORM_FILE_DIALOG_SERVICE_H

#include <QString>

#include <optional>

namespace zk::platform {

enum class FileDialogMode { Open, Save };

struct FileRequest {
    FileDialogMode mode = FileDialogMode::Open;
    QString title;                // empty: the dialog's own title
    QString filter;               // empty: every file
    QString defaultExt;           // without the dot; added to a chosen name that has no extension
    QString initialDir;           // empty: the current folder
    bool overwritePrompt = false; // Save: ask before replacing an existing file
    bool operator==(const FileRequest&) const = default;
};

class FileDialogService {
public:
    virtual ~FileDialogService() = default;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<QString> Choose(const FileRequest& request) = 0;
};

} // namespace zk::platform

#endif
