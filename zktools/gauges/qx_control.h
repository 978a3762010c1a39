// The base of every gauge control: a QWidget that speaks the gauges' terms.
// It owns the control's font, names cursors by screen slot, keeps the hint as
// the tool tip, knows the design state, and turns Qt's mouse events into the
// overridable MouseDown/MouseMove/MouseUp steps and the On... events.
#ifndef ZKTOOLS_GAUGES_QX_CONTROL_H
#define ZKTOOLS_GAUGES_QX_CONTROL_H

#include "zktools/gauges/qx_cursors.h"
#include "zktools/gauges/qx_font.h"
#include "zktools/gauges/qx_types.h"

#include <QString>
#include <QWidget>

#include <functional>

namespace zk::gauges {

enum TMouseButton { mbLeft, mbRight, mbMiddle };

// Bit flags; combine with |.
enum TShiftFlag : unsigned {
    ssShift = 1,
    ssAlt = 2,
    ssCtrl = 4,
    ssLeft = 8,
    ssRight = 16,
    ssMiddle = 32,
    ssDouble = 64
};
using TShiftState = unsigned;

using TMouseEvent =
    std::function<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TObject* sender, TShiftState shift, int x, int y)>;

class TQxControl : public QWidget, public TObject {
    Q_OBJECT
public:
    explicit TQxControl(QWidget* parent = nullptr);
    ~TQxControl() override;

    // The control's own font; its changes reach FontChange.
    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& font) { font_.Assign(font); }

    TCursor Cursor() const { return cursor_; }
    // Shows the cursor of that screen slot over the control.
    void SetCursor(TCursor cursor);

    // The hint text as set; its tool tip breaks lines at carriage returns too.
    const QString& Hint() const { return hint_; }
    void SetHint(const QString& text);

    // The state of a control placed in a designer rather than running.
    bool Designing() const { return designing_; }
    void SetDesigning(bool designing) { designing_ = designing; }

    // The whole control is painted anew at the next paint event.
    virtual void Invalidate() { update(); }

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;

protected:
    // Each fires its event; descendants call the base first, then add their own.
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void Click();
    virtual void DblClick();
    // The font changed; repaints.
    virtual void FontChange();
    // Enabled changed, by the control's own flag or by its parent's.
    virtual void EnabledChange() {}

    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

    static TShiftState ShiftOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);

private:
    void Press(QMouseEvent* event, TShiftState extra);

    TFont font_;
    QString hint_;
    TCursor cursor_ = crDefault;
    bool designing_ = false;
    bool leftPressed_ = false;
};

} // namespace zk::gauges

#endif
