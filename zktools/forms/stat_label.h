// How the editors and value dialogs put a drive operation's result code into words.
#ifndef ZKTOOLS_FORMS_STAT_LABEL_H
#define ZKTOOLS_FORMS_STAT_LABEL_H

#include <QString>

#include <cstdint>

namespace nvforms {

// The "Stat" label of a StatCode; a code without a label shows as its number, so
// that the box never comes up empty.
QString StatLabel(int32_t code);

// Shows `text` in a plain message box.
void Say(const QString& text);

} // namespace nvforms

#endif
