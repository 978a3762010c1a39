// A dial that counts its full paints, and the helpers its tests share: showing
// it in an active window, and mapping face-cache points to control pixels.
#ifndef TESTS_GAUGES_DIAL_SUPPORT_H
#define TESTS_GAUGES_DIAL_SUPPORT_H

#include <QApplication>
#include <QImage>
#include <QTest>

#include "zktools/gauges/qx_dial.h"
#include "zktools/gauges/qx_types.h"

namespace zk::gauges::testing {

class CountingDial : public TQxDial {
public:
    using TQxDial::SlideRect;
    void Paint() override {
        ++paints;
        TQxDial::Paint();
    }
    int paints = 0;
};

// Shown in an active window, without the focus, and painted once.
inline bool ShowPainted(TQxDial& dial) {
    dial.show();
    dial.activateWindow();
    if (!QTest::qWaitForWindowActive(&dial))
        return false;
    dial.clearFocus();
    dial.grab();
    return !dial.PaintPending();
}

// A face-cache point in control coordinates.
inline TPoint OnControl(const TQxDial& dial, TPoint face) {
    return TPoint{dial.KnobRect().Left + face.X, dial.KnobRect().Top + face.Y};
}

inline TColor SurfaceAt(TQxDial& dial, TPoint p) {
    return FromQColor(QColor(dial.Surface().pixel(p.X, p.Y)));
}

} // namespace zk::gauges::testing

#endif
