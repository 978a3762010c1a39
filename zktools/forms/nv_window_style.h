// Look of the NV editor and the value dialogs: their fonts (sizes in pixels, as the
// windows were drawn; "Verdana" resolves to whatever sans face the machine has) and
// their fixed dialog frame, centred on the screen.
#ifndef ZKTOOLS_FORMS_NV_WINDOW_STYLE_H
#define ZKTOOLS_FORMS_NV_WINDOW_STYLE_H

#include <QFont>
#include <QGuiApplication>
#include <QScreen>
#include <QString>
#include <QWidget>

namespace nvforms {

inline QFont BoldVerdana(int pixels) {
    QFont font(QStringLiteral("Verdana"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    font.setBold(true);
    return font;
}

// The class library's default dialog font: 11 pixels.
inline QFont DialogFont() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

// A dialog frame of fixed client size with only the system menu and the close box.
inline void FixedDialogFrame(QWidget& window, int clientWidth, int clientHeight) {
    window.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    window.setFixedSize(clientWidth, clientHeight);
    window.setFont(DialogFont());
}

inline void CenterOnScreen(QWidget& window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QRect area = screen->availableGeometry();
    window.move(area.center() - QPoint(window.width() / 2, window.height() / 2));
}

} // namespace nvforms

#endif
