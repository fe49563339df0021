#include "mainwindow/VbColor.h"

#include <QPalette>
#include <QVariant>
#include <QWidget>

namespace VbColor {

namespace {
const char* const BackKey = "vbBackColor";
const char* const ForeKey = "vbForeColor";

uint32_t FromQColor(const QColor& c) { return uint32_t(c.red()) | uint32_t(c.green()) << 8 | uint32_t(c.blue()) << 16; }
}  // namespace

QColor ToQColor(uint32_t bgr) { return QColor(int(bgr & 0xFF), int(bgr >> 8 & 0xFF), int(bgr >> 16 & 0xFF)); }

void SetBackColor(QWidget* w, uint32_t bgr)
{
    w->setProperty(BackKey, QVariant::fromValue(bgr));
    QPalette p = w->palette();
    const QColor c = ToQColor(bgr);
    p.setColor(QPalette::Button, c);
    p.setColor(QPalette::Window, c);
    p.setColor(QPalette::Base, c);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

uint32_t BackColor(const QWidget* w)
{
    const QVariant v = w->property(BackKey);
    return v.isValid() ? v.value<uint32_t>() : FromQColor(w->palette().color(QPalette::Button));
}

void SetForeColor(QWidget* w, uint32_t bgr)
{
    w->setProperty(ForeKey, QVariant::fromValue(bgr));
    QPalette p = w->palette();
    const QColor c = ToQColor(bgr);
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::ButtonText, c);
    p.setColor(QPalette::Text, c);
    w->setPalette(p);
}

uint32_t ForeColor(const QWidget* w)
{
    const QVariant v = w->property(ForeKey);
    return v.isValid() ? v.value<uint32_t>() : FromQColor(w->palette().color(QPalette::WindowText));
}

}  // namespace VbColor
