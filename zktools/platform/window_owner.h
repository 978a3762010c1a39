// Which window a dialog or message box opened now belongs to, and telling the window
// manager so. A window shown transient for its opener is kept above it, in the opener's
// layer when that one stays on top, and is iconified along with it.
#ifndef ZKTOOLS_PLATFORM_WINDOW_OWNER_H
#define ZKTOOLS_PLATFORM_WINDOW_OWNER_H

class QWidget;

namespace zk::platform {

// The window a dialog opened now is opened from: the innermost modal form whose run is
// going and that is on screen; else the active window; else the application's visible
// main window; nullptr when there is none. `opening` (the dialog itself) never counts.
QWidget* DialogOwner(const QWidget* opening = nullptr);

// Makes the top-level `window` transient for `owner`'s window (nullptr: for none).
// Call it before the window is shown.
void SetTransientOwner(QWidget& window, QWidget* owner);

} // namespace zk::platform

#endif
