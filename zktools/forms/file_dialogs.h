// The parameter file behind the file dialogs: the NV editor's two dialogs as
// requests to the file-dialog seam, and the save and open operations that run them.
#ifndef ZKTOOLS_FORMS_FILE_DIALOGS_H
#define ZKTOOLS_FORMS_FILE_DIALOGS_H

#include <QString>

#include "zktools/platform/file_dialog_service.h"

class FileProcess;
class QLabel;

// The open dialog of the parameter file, starting in `folder`.
zk::platform::FileRequest ParameterOpenDialog(const QString& folder);
// The save dialog of the parameter file (asks before replacing a file), starting in `folder`.
zk::platform::FileRequest ParameterSaveDialog(const QString& folder);

// Runs the dialog: 0 when it was cancelled, else what FileProcess::SaveToFile returns
// for the chosen path (its exceptions pass on).
int SaveWithDialog(FileProcess& file, const zk::platform::FileRequest& dialog);

// Runs the dialog: false when it was cancelled. Otherwise loads the chosen file
// (LoadFromFile's exceptions pass on, leaving the labels alone), then shows the
// chosen path in `filename` (shortened at its front when it is too long for the label,
// the whole path as its tooltip) and "NV Parameter From File:" in `source`; true.
bool OpenWithDialog(FileProcess& file, const zk::platform::FileRequest& dialog, QLabel& filename,
                    QLabel& source);

#endif
