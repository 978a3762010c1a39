// Stands where the diagnostics window's progress dial goes until the dial control
// is part of the tool: it keeps the value the window sets (0 to 100) and shows it
// as a percentage. Same two calls as the dial, so swapping it is a type change.
#ifndef ZKTOOLS_GUIDED_PROGRESS_STAND_IN_H
#define ZKTOOLS_GUIDED_PROGRESS_STAND_IN_H

#include <QWidget>

namespace diagnostics {

class TProgressStandIn : public QWidget {
    Q_OBJECT
public:
    explicit TProgressStandIn(QWidget* parent = nullptr);

    float Value() const { return value_; }
    // Clamped to 0 ... 100; repaints when it changes.
    void SetValue(float value);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    float value_ = 0.0f;
};

} // namespace diagnostics

#endif
