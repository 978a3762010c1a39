#include "zktools/gauges/qx_datetime.h"

#include <QLocale>

namespace zk::gauges {

TDateTime Now() {
    return QDateTime::currentDateTime();
}

QString ShortDateText(const TDateTime& when) {
    return QLocale::system().toString(when.date(), QLocale::ShortFormat);
}

QString LongTimeText(const TDateTime& when) {
    return QLocale::system().toString(when.time(), QStringLiteral("hh:mm:ss"));
}

} // namespace zk::gauges
