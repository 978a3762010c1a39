// The diagnostics window "Diagnostics": on Start it reads the drive's status,
// uploads every parameter from the drive logic into the table and judges ten of
// the values against fixed rules, reporting line by line while a dial shows the
// progress in percent. It writes nothing to the drive or to its NV memory.
#ifndef ZKTOOLS_GUIDED_TROUBLE_H
#define ZKTOOLS_GUIDED_TROUBLE_H

#include <QString>
#include <QStringList>

#include "zktools/model/var_table.h"
#include "zktools/platform/modal_form.h"
#include "zktools/platform/one_shot_timer.h"

class QPlainTextEdit;
class QPushButton;

namespace zk::gauges {
class TQxDial;
}

class TTroubleshooting : public zk::platform::ModalForm {
    Q_OBJECT
public:
    explicit TTroubleshooting(QWidget* parent = nullptr);
    ~TTroubleshooting() override;

    TTroubleshooting(const TTroubleshooting&) = delete;
    TTroubleshooting& operator=(const TTroubleshooting&) = delete;

    // --- Handlers ---
    void btnStartClick();
    // The button's modal result closes the window.
    void btnCancelClick() {}
    void Timer1Timer();

    // The whole check, on the GUI thread; its pauses keep the window painting.
    void RunDiagnostics();

    // The report as its lines; none while the list is empty.
    QStringList ChecklistLines() const;

    // --- Controls, named as their objectName ---
    QPushButton* btnStart = nullptr;
    // Set through its Value only; no dial event is connected.
    zk::gauges::TQxDial* QxDial1 = nullptr;
    QPushButton* btnCancel = nullptr;
    QPlainTextEdit* Checklist = nullptr;
    // Arms on Start and fires once, a second later.
    zk::platform::OneShotTimer Timer1;

    // The designed first line, put back at every showing.
    QString StartHint;
    // Every parameter, replaced by each run's upload.
    VarTableList ParamList;

protected:
    // Each showing starts from the start line, the dial at 0 and Start enabled.
    void FormActivate() override;
    // A run armed in the last second before closing does not start on the hidden window.
    void FormDeactivate() override;

private:
    void BuildWindow();
    void AddLine(const QString& text);
    void AddLine(const char* text) { AddLine(QString::fromUtf8(text)); }
    // The label of `key` in the value-label list `list`; empty when it has none.
    void AddLabel(const char* list, int32_t key);
};

#endif
