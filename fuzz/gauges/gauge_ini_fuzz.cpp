// The gauges' ini file read from a file of any bytes, and every key of every section read in
// each of the typed ways a control reads its settings.
#include "fuzz/memory_file.h"

#include "zktools/gauges/qx_ini_file.h"

#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>

using zk::gauges::TIniFile;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzz::MemoryFile file;
    file.Fill(data, size);
    const TIniFile ini(QString::fromStdString(file.Path()));
    for (const QString& section : ini.ReadSections()) {
        (void)ini.SectionExists(section);
        for (const QString& key : ini.ReadSection(section)) {
            (void)ini.ValueExists(section, key);
            (void)ini.ReadString(section, key, QString());
            (void)ini.ReadInteger(section, key, -1);
            (void)ini.ReadBool(section, key, true);
            (void)ini.ReadFloat(section, key, 0.5);
        }
    }
    (void)ini.Text();
    return 0;
}
