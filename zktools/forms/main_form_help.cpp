// The main window's help: the help file, the hook every help request passes
// through, and the Help menu.
#include "zktools/forms/main_form.h"

#include <QApplication>
#include <QWidget>

#include "zktools/forms/grid_help_key.h"

using zk::platform::HelpCommand;
using zk::platform::HelpRequest;

void TMainForm::InstallHelp() {
    previousHelpFile_ = zk::platform::HelpFile();
    zk::platform::SetHelpFile(AppDir + QStringLiteral("Dozudezeza.DIV"));
    previousHelpHook_ =
        zk::platform::SetHelpHook([this](const HelpRequest& request) { return AppHelp(request); });
}

bool TMainForm::AppHelp(const HelpRequest& request) {
    if (request.command == HelpCommand::Contents)
        return false;
    // Only an editor whose grid holds the input focus answers with its parameter.
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr)
        return false;
    const auto* editor = dynamic_cast<const GridHelpKey*>(focus->window());
    if (editor == nullptr)
        return false;
    QWidget* grid = editor->HelpGrid();
    if (grid == nullptr || (grid != focus && !grid->isAncestorOf(focus)))
        return false;
    const QString key = QString::fromStdString(editor->GetSelectedName());
    zk::platform::ShowHelp(HelpRequest::PartialKey(key));
    return true;
}

void TMainForm::mnuContentsClick() {
    zk::platform::RequestHelp(HelpRequest::Contents());
}

void TMainForm::mnuTopicSearchClick() {
    // An empty key opens the search.
    zk::platform::RequestHelp(HelpRequest::PartialKey(QString()));
}
