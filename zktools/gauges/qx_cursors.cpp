#include "zktools/gauges/qx_cursors.h"

#include <QBitmap>
#include <QImage>

namespace zk::gauges {

namespace {

Qt::CursorShape StandardShape(TCursor index) {
    switch (index) {
    case crCross:
        return Qt::CrossCursor;
    case crIBeam:
        return Qt::IBeamCursor;
    case crSizeAll:
        return Qt::SizeAllCursor;
    case crSizeNESW:
        return Qt::SizeBDiagCursor;
    case crSizeNS:
        return Qt::SizeVerCursor;
    case crSizeNWSE:
        return Qt::SizeFDiagCursor;
    case crSizeWE:
        return Qt::SizeHorCursor;
    case crUpArrow:
        return Qt::UpArrowCursor;
    case crHourGlass:
        return Qt::WaitCursor;
    case crNo:
        return Qt::ForbiddenCursor;
    case crHandPoint:
        return Qt::PointingHandCursor;
    default:
        return Qt::ArrowCursor;
    }
}

} // namespace

QCursor TQxScreenCursors::Cursor(TCursor index) const {
    const auto found = installed_.find(index);
    if (found != installed_.end())
        return found->second;
    return QCursor(StandardShape(index));
}

void TQxScreenCursors::SetCursor(TCursor index, const QCursor& cursor) {
    installed_[index] = cursor;
}

TQxScreenCursors& QxScreenCursors() {
    // Filled once per process, on first use, when the GUI application exists.
    static TQxScreenCursors* table = [] {
        auto* t = new TQxScreenCursors;
        t->SetCursor(crHandSlot, QxMakeHandCursor());
        return t;
    }();
    return *table;
}

QCursor QxMakeHandCursor() {
    const QStringList& rows = QxHandCursorPicture();
    QImage shape(32, 32, QImage::Format_Mono);
    QImage mask(32, 32, QImage::Format_Mono);
    for (QImage* image : {&shape, &mask}) {
        image->setColorCount(2);
        image->setColor(0, qRgb(255, 255, 255));
        image->setColor(1, qRgb(0, 0, 0));
        image->fill(0);
    }
    for (int y = 0; y < 32 && y < rows.size(); ++y) {
        const QString& row = rows[y];
        for (int x = 0; x < 32 && x < row.size(); ++x) {
            const QChar c = row[x];
            if (c == u'.')
                continue;
            mask.setPixel(x, y, 1);
            shape.setPixel(x, y, c == u'X' ? 1 : 0);
        }
    }
    // In a cursor bitmap 1 is black, 0 white; the mask makes a pixel opaque.
    return QCursor(QBitmap::fromImage(shape), QBitmap::fromImage(mask), kHandHotX, kHandHotY);
}

} // namespace zk::gauges
