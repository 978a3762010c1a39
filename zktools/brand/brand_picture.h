// The tool's picture: a servo drive wired to its motor under the product name.
// Drawn, not loaded, so it scales to whatever place shows it (main window,
// About box, the launcher's splash).
#ifndef ZKTOOLS_BRAND_BRAND_PICTURE_H
#define ZKTOOLS_BRAND_BRAND_PICTURE_H

#include <QRectF>
#include <QWidget>

class QPainter;

// Paints the picture into `area`; the painter's state is left as it was.
void PaintBrandPicture(QPainter& painter, const QRectF& area);

// The picture as a control of fixed size.
class TBrandPicture : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 400;
    static constexpr int kHeight = 150;

    explicit TBrandPicture(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {kWidth, kHeight}; }

protected:
    void paintEvent(QPaintEvent* event) override;
};

#endif
