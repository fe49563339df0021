#include "platform/Controls.h"

#include <QApplication>
#include <QPointer>
#include <QProxyStyle>

namespace Controls {

namespace {

class OptionRow : public QProxyStyle {
public:
    int pixelMetric(PixelMetric m, const QStyleOption* o, const QWidget* w) const override
    {
        return m == PM_RadioButtonLabelSpacing ? 2 : QProxyStyle::pixelMetric(m, o, w);
    }
};

}  // namespace

QStyle* OptionRowStyle()
{
    static QPointer<QStyle> style;
    if (!style) {
        style = new OptionRow;
        style->setParent(qApp);
    }
    return style;
}

}  // namespace Controls
