// The tool's program-wide windows, created at start in this order and living
// until the program ends. Windows reach each other through these pointers.
#ifndef ZKTOOLS_FORMS_WINDOWS_H
#define ZKTOOLS_FORMS_WINDOWS_H

#include <QStringList>

class TMainForm;
class TValEditdlg;
class TValBooldlg;
class TValCmbdlg;
class TEditForm;
class TOnlineForm;
class TTroubleshooting;
class TAbout;
class TMotordataDlg;
class TControlDlg;
class TPWMVDlg;
class TPWMIDlg;

extern TMainForm* MainForm;
extern TValEditdlg* ValEditdlg;
extern TValBooldlg* ValBooldlg;
extern TValCmbdlg* ValCmbdlg;
extern TEditForm* EditForm;
extern TOnlineForm* OnlineForm;
extern TTroubleshooting* Troubleshooting;
extern TAbout* About;
extern TMotordataDlg* MotordataDlg;
extern TControlDlg* ControlDlg;
extern TPWMVDlg* PWMVDlg;
extern TPWMIDlg* PWMIDlg;

// Creates every window in start-up order; the main window first, with the program's
// command line as typed (without the program's name) and the program's folder.
void CreateWindows(const QStringList& arguments = {});
// Destroys them in reverse order (the main window last).
void DestroyWindows();

#endif
