// The hook for keeping a control's settings in an ini file: validates the file
// and section names, opens the file and hands it to a handler that reads or
// writes the keys.
#ifndef ZKTOOLS_GAUGES_QX_INI_SETTINGS_H
#define ZKTOOLS_GAUGES_QX_INI_SETTINGS_H

#include "zktools/gauges/qx_ini_file.h"
#include "zktools/gauges/qx_types.h"

#include <QString>

#include <functional>

namespace zk::gauges {

// The running program's folder, ending with "/"; set before main, cleared at exit.
extern QString AppPath;

// Read: true to load settings, false to save them.
using THandleIniEvent = std::function<void(TIniFile& ini, bool read)>;

class TIniSettings : public TPersistent {
public:
    QString FileName;
    QString Section;       // must not be empty
    bool UseAppDir = true; // place the file in AppPath, by its file-name part only
    bool AutoLoadSave = true;
    THandleIniEvent OnHandleIniEvent;

    bool HasError() const { return hasError_; }
    const QString& ErrorText() const { return errorText_; }

    // Checks the names ("Invalid FileName", "Invalid SectionName"); when both are
    // good opens the file and calls the handler. Errors of the ini file or the
    // handler pass to the caller.
    void Handle(bool read);
    // Handle(read) when AutoLoadSave is set.
    void AutoHandle(bool read);

    // The file Handle opens.
    QString Path() const;

private:
    bool hasError_ = false;
    QString errorText_;
};

} // namespace zk::gauges

#endif
