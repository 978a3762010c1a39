// Picture formatting of numbers ("##0", "0.00", "#,##0.0", "0.0E+00", with up to
// three ";"-separated sections for positive, negative and zero values, quoted
// literals). Digits round half away from zero on the decimal value; "." is always
// the decimal separator and "," the thousands separator.
#ifndef ZKTOOLS_GAUGES_QX_FORMAT_H
#define ZKTOOLS_GAUGES_QX_FORMAT_H

#include <QString>

namespace zk::gauges {

QString FormatFloat(const QString& format, long double value);

} // namespace zk::gauges

#endif
