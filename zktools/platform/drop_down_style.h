// Drop-down lists as the desktop shows them: below their box, at most kDropDownCount
// entries at a time with a scroll bar for the rest, whatever style draws the rest.
// (Some styles open a list as a menu over its box, as tall as its entries need.)
#ifndef ZKTOOLS_PLATFORM_DROP_DOWN_STYLE_H
#define ZKTOOLS_PLATFORM_DROP_DOWN_STYLE_H

#include <QProxyStyle>

namespace zk::platform {

inline constexpr int kDropDownCount = 8;

class DropDownStyle : public QProxyStyle {
    Q_OBJECT
public:
    // Takes ownership of `base`.
    explicit DropDownStyle(QStyle* base);

    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
    void polish(QWidget* widget) override;
    using QProxyStyle::polish;
};

// Puts DropDownStyle over the application's present style.
void UseDropDownStyle();

} // namespace zk::platform

#endif
