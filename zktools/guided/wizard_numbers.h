// Numbers on the wizard pages: read as typed (with "." whatever the locale), cut
// toward zero to a few decimals, and written back in the shortest plain form.
#ifndef ZKTOOLS_GUIDED_WIZARD_NUMBERS_H
#define ZKTOOLS_GUIDED_WIZARD_NUMBERS_H

#include <QString>

namespace wizard {

// The number in `text`; throws ConversionError for anything that is not a number,
// also for one beyond the double range.
double ReadNumber(const QString& text);

// Nothing typed yet: an empty text or a lone "-".
bool IsBlank(const QString& text);

// `x` cut toward zero to `decimals` decimals (0 to 9), never rounded up. A value a
// hair below a step only through binary representation (8.854 x 10000) counts as
// on the step.
double CutDecimals(double x, int decimals);

// Shortest plain decimal form with at most 15 significant digits, never with an
// exponent; "INF", "-INF" and "NAN" for the values that are not numbers.
QString GeneralText(double x);

} // namespace wizard

#endif
