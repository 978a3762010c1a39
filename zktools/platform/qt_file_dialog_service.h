// The file-dialog seam over QFileDialog.
#ifndef ZKTOOLS_PLATFORM_QT_FILE_DIALOG_SERVICE_H
#define ZKTOOLS_PLATFORM_QT_FILE_DIALOG_SERVICE_H

#include "zktools/platform/file_dialog_service.h"

namespace zk::platform {

class QtFileDialogService : public FileDialogService {
public:
    std::optional<QString> Choose(const FileRequest& request) override;
};

} // namespace zk::platform

#endif
