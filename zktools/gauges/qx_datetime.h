// The local date and time and their short-date and long-time texts.
#ifndef ZKTOOLS_GAUGES_QX_DATETIME_H
#define ZKTOOLS_GAUGES_QX_DATETIME_H

#include <QDateTime>
#include <QString>

namespace zk::gauges {

using TDateTime = QDateTime;

TDateTime Now();
// The system locale's short date, e.g. "12/10/26".
QString ShortDateText(const TDateTime& when);
// The system locale's long time, e.g. "10:41:07".
QString LongTimeText(const TDateTime& when);

} // namespace zk::gauges

#endif
