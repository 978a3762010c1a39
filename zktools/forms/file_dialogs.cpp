#include "zktools/forms/file_dialogs.h"

#include <QLabel>

#include "zktools/model/file_process.h"
#include "zktools/platform/platform.h"

using zk::platform::FileDialogMode;
using zk::platform::FileRequest;
using zk::platform::Platform;

namespace {

// A path too long for the label loses its front, so that the file's own name always shows;
// the whole path is the tooltip. The label keeps its width (the editor's window is of fixed
// size), so the text is cut once here. A file name may hold "<" and ">": never markup.
void ShowPath(QLabel& label, const QString& path) {
    label.setTextFormat(Qt::PlainText);
    const int width = label.contentsRect().width() - 2 * label.margin();
    label.setText(label.fontMetrics().elidedText(path, Qt::ElideLeft, width));
    label.setToolTip(path);
}

} // namespace

FileRequest ParameterOpenDialog(const QString& folder) {
    FileRequest request;
    request.mode = FileDialogMode::Open;
    request.filter = QStringLiteral("Configuration File (*.ZKC)|*.ZKC");
    request.defaultExt = QStringLiteral("ZKC");
    request.initialDir = folder;
    return request;
}

FileRequest ParameterSaveDialog(const QString& folder) {
    FileRequest request;
    request.mode = FileDialogMode::Save;
    request.title = QStringLiteral("Save Parameteres");
    request.filter = QStringLiteral("Conficuration File(*.ZKC)|*.ZKC");
    request.defaultExt = QStringLiteral("ZKC");
    request.initialDir = folder;
    request.overwritePrompt = true;
    return request;
}

int SaveWithDialog(FileProcess& file, const FileRequest& dialog) {
    const std::optional<QString> path = Platform::Files().Choose(dialog);
    if (!path)
        return 0;
    return file.SaveToFile(path->toStdString());
}

bool OpenWithDialog(FileProcess& file, const FileRequest& dialog, QLabel& filename,
                    QLabel& source) {
    const std::optional<QString> path = Platform::Files().Choose(dialog);
    if (!path)
        return false;
    file.LoadFromFile(path->toStdString());
    ShowPath(filename, *path);
    filename.setVisible(true);
    source.setText(QStringLiteral("NV Parameter From File:"));
    return true;
}
