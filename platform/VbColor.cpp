#include "platform/VbColor.h"

#include <initializer_list>

#include <QApplication>
#include <QPalette>
#include <QRadioButton>
#include <QVariant>
#include <QWidget>

namespace VbColor {

namespace {
const char* const BackKey = "vbBackColor";
const char* const ForeKey = "vbForeColor";

uint32_t FromQColor(const QColor& c) { return uint32_t(c.red()) | uint32_t(c.green()) << 8 | uint32_t(c.blue()) << 16; }

// An option button's circle is drawn in the base and text colours: white with a black dot in
// every state, whatever colours the option or its box take, so that it shows on any of them.
void KeepCircle(const QWidget* w, QPalette& p)
{
    if (!qobject_cast<const QRadioButton*>(w)) return;
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(g, QPalette::Base, Qt::white);
        p.setColor(g, QPalette::Text, Qt::black);
    }
}

// The colour is kept under its key as given, so reading it back never goes through the palette.
void Paint(QWidget* w, const char* key, uint32_t bgr, std::initializer_list<QPalette::ColorRole> roles)
{
    w->setProperty(key, QVariant::fromValue(bgr));
    QPalette p = w->palette();
    const QColor c = ToQColor(bgr);
    for (QPalette::ColorRole role : roles) p.setColor(role, c);
    KeepCircle(w, p);
    w->setPalette(p);
}

// The colour kept under the key, else the palette's colour of the role.
uint32_t Painted(const QWidget* w, const char* key, QPalette::ColorRole role)
{
    const QVariant v = w->property(key);
    return v.isValid() ? v.value<uint32_t>() : FromQColor(w->palette().color(role));
}
}  // namespace

QColor ToQColor(uint32_t bgr) { return QColor(int(bgr & 0xFF), int(bgr >> 8 & 0xFF), int(bgr >> 16 & 0xFF)); }

void SetBackColor(QWidget* w, uint32_t bgr)
{
    Paint(w, BackKey, bgr, {QPalette::Button, QPalette::Window, QPalette::Base});
    w->setAutoFillBackground(true);
}

uint32_t BackColor(const QWidget* w) { return Painted(w, BackKey, QPalette::Button); }

bool HasBackColor(const QWidget* w, uint32_t bgr)
{
    const QVariant v = w->property(BackKey);
    return v.isValid() && v.value<uint32_t>() == bgr;
}

void ClearBackColor(QWidget* w)
{
    if (!w->property(BackKey).isValid()) return;
    w->setProperty(BackKey, QVariant());
    w->setPalette(QPalette());
    w->setAutoFillBackground(false);
}

void SetForeColor(QWidget* w, uint32_t bgr)
{
    Paint(w, ForeKey, bgr, {QPalette::WindowText, QPalette::ButtonText, QPalette::Text});
}

uint32_t ForeColor(const QWidget* w) { return Painted(w, ForeKey, QPalette::WindowText); }

uint32_t ButtonFace() { return FromQColor(QApplication::palette().color(QPalette::Button)); }

}  // namespace VbColor
