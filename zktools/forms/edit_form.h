// "Edit NV Parameters": the drive's NV parameter set in a two-column grid, loaded
// from the drive, its NV memory or a parameter file, edited through the value
// dialogs, and sent to the drive, into NV memory or to a file. The window holds no
// values of its own: the grid shows the parameter table's working values.
#ifndef ZKTOOLS_FORMS_EDIT_FORM_H
#define ZKTOOLS_FORMS_EDIT_FORM_H

#include <QString>

#include <cstdint>
#include <string>

#include "zktools/forms/grid_help_key.h"
#include "zktools/forms/wizard_settings.h"
#include "zktools/model/stat_code.h"
#include "zktools/model/var_table.h"
#include "zktools/platform/file_dialog_service.h"
#include "zktools/platform/modal_form.h"
#include "zktools/platform/one_shot_timer.h"

class QLabel;
class QPushButton;
class QTableWidget;

class TEditForm : public zk::platform::ModalForm, public GridHelpKey {
    Q_OBJECT
public:
    TEditForm();
    ~TEditForm() override;

    // Controls, in declaration order.
    QTableWidget* StringGrid1;
    QPushButton* btnFromDrive;
    QPushButton* btnToDrive;
    QPushButton* btnFromNV;
    QPushButton* btnOpen;
    QPushButton* btnSave;
    QLabel* lblSource;
    zk::platform::FileRequest OpenDlg;
    zk::platform::FileRequest SaveDlg;
    QPushButton* btnToNV;
    QPushButton* btnClose;
    QPushButton* btnHelp;
    QLabel* lblFilename;
    QPushButton* btnClean;
    // Put the send buttons' captions back 2000 ms after their "Done".
    zk::platform::OneShotTimer Timer2;
    zk::platform::OneShotTimer Timer3;

    // The editor's NV set as last rebuilt (references into the parameter table).
    VarTableList ParamList;
    // 1 when the last selected grid cell is in the value column.
    int IsValueColumn = 0;
    // The table's "IVMode" as last taken: units and conversions of the grid and dialogs.
    int32_t IVMode = 0;
    // The parameter of the row last double-clicked, for the value dialogs.
    std::string SelName;
    // Unsaved changes exist.
    bool Modified = false;
    // The wizard pages' results that ApplyWizardSettings copies in.
    WizardResultSources WizardSources;

    // Rewrites every row from the table (the row count stays). Throws "System Error"
    // when the table has no "IVMode".
    void RefreshGrid();
    // Copies the wizard's results into the table, by the main window's EditMode.
    void ApplyWizardSettings();
    // Save prompt, emptied grid, buttons and labels back, table at its defaults. False, with
    // nothing cleared, when the user asked to save and then cancelled the save.
    bool ClearForm();

    // Rows as the grid counts them: the heading row plus one per parameter.
    int RowCount() const;
    void SetRowCount(int rows);
    // Text of column col in row (1 is the first parameter).
    QString Cell(int col, int row) const;

    // GridHelpKey: the name in the current row while the grid has the input focus.
    QWidget* HelpGrid() const override;
    std::string GetSelectedName() const override;

protected:
    void FormActivate() override;
    // The close box and the Close button both come here before the window closes.
    bool FormCloseQuery() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void btnFromDriveClick();
    void btnFromNVClick();
    void btnOpenClick();
    void PrepareRows();
    void btnToDriveClick();
    void btnToNVClick();
    void Timer2Timer();
    void Timer3Timer();
    void btnSaveClick();
    void btnCleanClick();
    void btnCloseClick();
    void btnHelpClick();
    void SelectCell(int col);
    void StringGrid1DbleClick();
    void NameKeyDown();

    // The NV set in force: all NV parameters in factory mode, else the user-visible ones.
    VarTableList NVSet() const;
    bool FactoryMode() const;
    void SetCell(int col, int row, const QString& text);
    void EnableSends();
    // The save prompt's routine shared by Close and the close box: false when the user asked
    // to save and then cancelled the save, and the window must stay open.
    bool AskToSaveOnClose();
    // True when every value of the NV set lies within its IV mode's limits; otherwise the
    // values outside were shown and nothing may be sent.
    bool SetWithinLimits();
    // A load's result: rows, labels and buttons for a good one, the failure otherwise.
    void ShowLoaded(BatchResult result, const QString& source);
    void ShowTransferFailure(BatchResult result, const QString& prefix);
    // True when the model check lets the send go on; otherwise the reason was shown.
    static bool ModelCheckPasses(int32_t check);
};

#endif
