// The picture of the gauges' hand cursor: a pointing hand, black outline, white
// inside, index finger up at the upper left.
#include "zktools/gauges/qx_cursors.h"

namespace zk::gauges {

const QStringList& QxHandCursorPicture() {
    static const QStringList rows = {
        QStringLiteral(".XXX............................"),
        QStringLiteral("XoooX..........................."),
        QStringLiteral("XoooX..........................."),
        QStringLiteral("XoooX..........................."),
        QStringLiteral("XoooX..........................."),
        QStringLiteral("XoooX..........................."),
        QStringLiteral("XoooX..........................."),
        QStringLiteral("XoooXXXX........................"),
        QStringLiteral("XoooXoooXXXX...................."),
        QStringLiteral("XoooXoooXoooX..................."),
        QStringLiteral("XoooXoooXoooXXXX................"),
        QStringLiteral("XoooXoooXoooXoooX..............."),
        QStringLiteral("XoooXoooXoooXoooX..............."),
        QStringLiteral("XoooooooooooooooX..............."),
        QStringLiteral("XoooooooooooooooX..............."),
        QStringLiteral("XoooooooooooooooX..............."),
        QStringLiteral("XoooooooooooooooX..............."),
        QStringLiteral("XoooooooooooooooX..............."),
        QStringLiteral("XoooooooooooooooX..............."),
        QStringLiteral("XoooooooooooooooX..............."),
        QStringLiteral(".XoooooooooooooX................"),
        QStringLiteral("..XoooooooooooX................."),
        QStringLiteral("..XoooooooooooX................."),
        QStringLiteral("..XXXXXXXXXXXXX................."),
        QStringLiteral("................................"),
        QStringLiteral("................................"),
        QStringLiteral("................................"),
        QStringLiteral("................................"),
        QStringLiteral("................................"),
        QStringLiteral("................................"),
        QStringLiteral("................................"),
        QStringLiteral("................................"),
    };
    return rows;
}

} // namespace zk::gauges
