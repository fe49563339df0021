#pragma once
// What a user sees of a window, checked through the controls' geometry: controls that cover one
// another, controls that stand outside the window, captions cut by their control.
#include <string>
#include <vector>

#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QWidget>

namespace LayoutChecks {

inline std::string Name(const QWidget* w) { return w->objectName().toStdString(); }

// A control's rectangle in the window's coordinates.
inline QRect InWindow(const QWidget* w) { return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size()); }

// The visible direct children of `parent` that are controls (a panel's tools).
inline std::vector<QWidget*> VisibleChildren(const QWidget* parent)
{
    std::vector<QWidget*> out;
    for (QWidget* c : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (c->isVisibleTo(parent->window()) && !c->isWindow() && !c->objectName().isEmpty()) out.push_back(c);
    return out;
}

// Pairs of controls among `controls` that overlap, as "a / b".
inline std::vector<std::string> Overlaps(const std::vector<QWidget*>& controls)
{
    std::vector<std::string> out;
    for (size_t i = 0; i < controls.size(); ++i)
        for (size_t j = i + 1; j < controls.size(); ++j)
            if (InWindow(controls[i]).intersects(InWindow(controls[j])))
                out.push_back(Name(controls[i]) + " / " + Name(controls[j]));
    return out;
}

// The caption's width against the control's: every line of a label, a button's text with its
// margins, a radio or check button with its indicator. Empty when it fits (or has no caption).
inline std::string CaptionCut(const QWidget* w)
{
    auto cut = [&](int need) {
        return need <= w->width() ? std::string()
                                  : Name(w) + " needs " + std::to_string(need) + " of " + std::to_string(w->width());
    };
    const QFontMetrics fm(w->font());
    if (auto* l = qobject_cast<const QLabel*>(w)) {
        if (l->wordWrap() || l->text().isEmpty()) return {};
        int widest = 0;
        for (const QString& line : QString(l->text()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split(u'\n'))
            widest = std::max(widest, fm.horizontalAdvance(line));
        return cut(widest + 2 * l->margin() + l->indent() * (l->indent() > 0));
    }
    if (qobject_cast<const QRadioButton*>(w) || qobject_cast<const QCheckBox*>(w)) return cut(w->sizeHint().width());
    if (auto* b = qobject_cast<const QPushButton*>(w)) {
        if (b->text().isEmpty()) return {};
        return cut(fm.horizontalAdvance(QString(b->text()).remove(u'&')) + b->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, b));
    }
    return {};
}

// Every visible label and button of the window whose caption is cut.
inline std::vector<std::string> CutCaptions(const QWidget* window)
{
    std::vector<std::string> out;
    for (QWidget* c : window->findChildren<QWidget*>())
        if (c->isVisibleTo(window))
            if (std::string s = CaptionCut(c); !s.empty()) out.push_back(s);
    return out;
}

// Every button of the window that shows in part only: some of it is seen, the rest cut off by
// the window's edge or by the panel it stands in. (A button that a collapsed panel or the
// window's edge hides altogether is not shown at all.)
inline std::vector<std::string> ButtonsCut(const QWidget* window)
{
    std::vector<std::string> out;
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
        if (!b->isVisibleTo(window)) continue;
        const QRect whole = InWindow(b);
        QRect seen = whole;
        for (const QWidget* p = b->parentWidget(); p; p = p->isWindow() ? nullptr : p->parentWidget())
            seen &= InWindow(p);
        if (!seen.isEmpty() && seen != whole) out.push_back(Name(b));
    }
    return out;
}

// Saves what the window shows as a PNG under the folder named in VD_SCREENSHOTS (nothing when it
// is not set), for a person to look at.
inline void Screenshot(QWidget& w, const QString& name)
{
    const QString folder = qEnvironmentVariable("VD_SCREENSHOTS");
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    w.grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

}  // namespace LayoutChecks
