#include "zktools/platform/qt_file_dialog_service.h"

#include <QFileDialog>

#include "zktools/platform/file_filter.h"
#include "zktools/platform/window_owner.h"

namespace zk::platform {

std::optional<QString> QtFileDialogService::Choose(const FileRequest& request) {
    QWidget* owner = DialogOwner();
    const bool save = request.mode == FileDialogMode::Save;
    QFileDialog dialog(owner, request.title, request.initialDir);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const QStringList filters = ToQtNameFilters(request.filter);
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);
    if (!request.defaultExt.isEmpty())
        dialog.setDefaultSuffix(request.defaultExt);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !(save && request.overwritePrompt));

    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.front().isEmpty())
        return std::nullopt;
    // Native dialogs may ignore the default suffix.
    return WithDefaultExtension(chosen.front(), request.defaultExt);
}

} // namespace zk::platform
