#include "zktools/gauges/qx_ini_settings.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace zk::gauges {

namespace {

// Known before main, without an application object.
QString ProgramFolder() {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || exe.empty())
        return QString();
    QString folder = QString::fromStdString(exe.parent_path().string());
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}

// The file-name part of a path written with either separator.
QString FileNamePart(const QString& path) {
    const qsizetype cut = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    return cut < 0 ? path : path.mid(cut + 1);
}

} // namespace

QString AppPath = ProgramFolder();

QString TIniSettings::Path() const {
    return UseAppDir ? AppPath + FileNamePart(FileName) : FileName;
}

void TIniSettings::Handle(bool read) {
    hasError_ = false;
    errorText_.clear();
    if (FileName.isEmpty()) {
        hasError_ = true;
        errorText_ = QStringLiteral("Invalid FileName");
    }
    if (Section.isEmpty()) {
        hasError_ = true;
        errorText_ = QStringLiteral("Invalid SectionName");
    }
    if (hasError_)
        return;
    TIniFile ini(Path());
    if (OnHandleIniEvent)
        OnHandleIniEvent(ini, read);
}

void TIniSettings::AutoHandle(bool read) {
    if (AutoLoadSave)
        Handle(read);
}

} // namespace zk::gauges
