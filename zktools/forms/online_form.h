// The on-line editor "Edit Drive Variables Online": up to 12 parameters of the running drive
// chosen by the user, with their values, and the drive's model, enable state and fault code,
// kept up to date by the status thread while the window is open.
#ifndef ZKTOOLS_FORMS_ONLINE_FORM_H
#define ZKTOOLS_FORMS_ONLINE_FORM_H

#include "zktools/forms/drive_status_snapshot.h"
#include "zktools/forms/grid_help_key.h"
#include "zktools/model/var_table.h"
#include "zktools/platform/modal_form.h"

#include <QPointer>
#include <QString>

#include <cstdint>
#include <string>

class QComboBox;
class QLabel;
class QPushButton;
class QStatusBar;
class QTableWidget;
class TConnectionStatus;

class TOnlineForm : public zk::platform::ModalForm, public GridHelpKey {
    Q_OBJECT
public:
    explicit TOnlineForm(QWidget* parent = nullptr);
    ~TOnlineForm() override;

    // Data rows of the grid, 1 to RowCount; row 0 is the heading.
    static constexpr int RowCount = 12;
    // Where the row choice is kept between showings: "row1" to "row12".
    static const QString SettingsKey;

    // --- Fields the value dialogs read ---
    std::string SelName; // name in the row last double-clicked
    int32_t IVMode = 0;  // "IVMode" as the last refresh found it

    VarTableList ParamList; // what a row may show, rebuilt at each showing
    int IsValueColumn = 0;  // the last selected cell is in the value column

    // --- For the status thread, on the GUI thread ---
    void RefreshValues();
    void ShowDriveStatus(DriveStatusSnapshot snapshot);
    // Receives the thread's hand-overs from now on (queued); nullptr detaches.
    void AttachStatusThread(TConnectionStatus* thread);

    // --- GridHelpKey ---
    QWidget* HelpGrid() const override;
    std::string GetSelectedName() const override;

    // --- Handlers ---
    // Column 0 or 1, row 1 to RowCount.
    void SelectCell(int column, int row);
    void StringGrid1DbleClick();
    void cmbSelectionChange();
    void cmbSelectionKeyPress(char key);
    void btnHelpClick();
    void btnCloseClick() {}

    // Text of a cell, column 0 name or 1 value; row 0 the heading.
    QString Cell(int column, int row) const;
    // The grid's current data row (1 to RowCount), 0 when none.
    int CurrentRow() const;
    QString PanelText(int panel) const;

    // --- Controls, named as their objectName ---
    QTableWidget* StringGrid1 = nullptr;
    QComboBox* cmbSelection = nullptr;
    QPushButton* btnHelp = nullptr;
    QPushButton* btnClose = nullptr;
    QStatusBar* stbStatus = nullptr;
    QLabel* Panel1 = nullptr;

protected:
    void FormActivate() override;
    void FormDeactivate() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildWindow();
    void BuildGrid();
    void BuildStatus();
    void ConnectHandlers();
    void LoadRows();
    void StoreRows();

    void SetCell(int column, int row, const QString& text);
    void ClearRow(int row);
    void HideSelection();
    // Display text of a raw value and the unit for the current IV mode.
    QString ValueText(const std::string& name, int32_t raw) const;
    QString UnitText(const std::string& name) const;

    QLabel* StatusPanels[3] = {};
    QPointer<TConnectionStatus> AttachedThread;
    // This showing's request for a full read; refreshes before it is answered are dropped.
    uint64_t FullReadRequest = 0;
    bool SelectionLeaving = false; // the focus is leaving the row choice
};

#endif
