#include "reports/Regional.h"

#include <QDateTime>
#include <QLocale>

namespace {
std::optional<Regional>& Fixed()
{
    static std::optional<Regional> fixed;
    return fixed;
}
}  // namespace

Regional Regional::Now()
{
    if (Fixed()) return *Fixed();
    const QLocale locale = QLocale::system();
    const QDateTime now = QDateTime::currentDateTime();
    return {locale.toString(now.date(), QLocale::ShortFormat), locale.toString(now.time(), QLocale::ShortFormat),
            locale.decimalPoint()};
}

void Regional::SetForTests(std::optional<Regional> fixed) { Fixed() = std::move(fixed); }

QString Regional::Number(double value) const
{
    // Up to 15 significant digits, as a number becomes text in the reports' arithmetic.
    QString text = QString::number(value, 'g', 15);
    text.replace(QLatin1Char('.'), decimalPoint);
    return text;
}
