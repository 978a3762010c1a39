// The settings INI as the settings store reads it (UTF-8 bytes, then the document), and a write
// of the port setting: once written, the text must read back with that value.
#include "zktools/platform/ini_document.h"

#include <QString>
#include <QStringDecoder>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using zk::platform::IniDocument;
using zk::platform::SettingValue;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(QByteArrayView(data, static_cast<qsizetype>(size)));
    IniDocument document = IniDocument::Parse(text);

    const QString key = QStringLiteral("SOFTWARE\\Qorvel\\Tamberlyne\\Comm");
    (void)document.Get(key, QStringLiteral("PLTPort"));
    (void)document.Get(QStringLiteral("SOFTWARE\\Qorvel\\Tamberlyne\\Online"),
                       QStringLiteral("row1"));

    if (!document.Set(key, QStringLiteral("PLTPort"), 3)) {
        std::abort();
    }
    const QString written = document.Serialize();
    const auto back = IniDocument::Parse(written).Get(key, QStringLiteral("PLTPort"));
    if (!back || !std::holds_alternative<int>(*back) || std::get<int>(*back) != 3) {
        std::abort();
    }
    return 0;
}
