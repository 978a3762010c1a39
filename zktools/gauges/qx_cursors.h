// The screen's cursor table: numbered slots a control's Cursor property names.
// Slot 0 is the default arrow, negative slots are the standard shapes, positive
// slots hold cursors the program installs; slot 5 holds the gauges' hand, put
// there the first time the table is used.
#ifndef ZKTOOLS_GAUGES_QX_CURSORS_H
#define ZKTOOLS_GAUGES_QX_CURSORS_H

#include <QCursor>
#include <QStringList>

#include <map>

namespace zk::gauges {

using TCursor = int;

inline constexpr TCursor crDefault = 0;
inline constexpr TCursor crArrow = -2;
inline constexpr TCursor crCross = -3;
inline constexpr TCursor crIBeam = -4;
inline constexpr TCursor crSizeAll = -22;
inline constexpr TCursor crSizeNESW = -6;
inline constexpr TCursor crSizeNS = -7;
inline constexpr TCursor crSizeNWSE = -8;
inline constexpr TCursor crSizeWE = -9;
inline constexpr TCursor crUpArrow = -10;
inline constexpr TCursor crHourGlass = -11;
inline constexpr TCursor crNo = -18;
inline constexpr TCursor crHandPoint = -21;
// The slot of the gauges' own hand cursor, the default slide cursor.
inline constexpr TCursor crHandSlot = 5;

class TQxScreenCursors {
public:
    // A slot nobody filled gives the default arrow.
    QCursor Cursor(TCursor index) const;
    void SetCursor(TCursor index, const QCursor& cursor);
    bool Installed(TCursor index) const { return installed_.count(index) != 0; }

private:
    std::map<TCursor, QCursor> installed_;
};

// The one table of the process (needs the GUI application to exist).
TQxScreenCursors& QxScreenCursors();

// The pointing hand: 32 x 32 rows of 'X' (black), 'o' (white) and '.'
// (transparent), hot spot at the fingertip (2, 1).
const QStringList& QxHandCursorPicture();
inline constexpr int kHandHotX = 2;
inline constexpr int kHandHotY = 1;
QCursor QxMakeHandCursor();

} // namespace zk::gauges

#endif
