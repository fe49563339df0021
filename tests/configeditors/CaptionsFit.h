#pragma once
// Every caption a window shows fits its control: a cut caption (a long Hebrew option, a
// two-line button, a bold trigger option) is what a user would see first.
#include <algorithm>

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>

inline void ExpectCaptionsFit(const QWidget& window)
{
    for (const QWidget* c : window.findChildren<QWidget*>()) {
        if (!c->isVisibleTo(&window)) continue;
        QSize need;
        if (auto* r = qobject_cast<const QRadioButton*>(c)) {
            if (r->text().isEmpty()) continue;
            need = r->sizeHint();
        } else if (auto* b = qobject_cast<const QPushButton*>(c)) {
            const QStringList lines = b->text().split(QLatin1Char('\n'));
            for (const QString& line : lines) need.setWidth(std::max(need.width(), b->fontMetrics().horizontalAdvance(line) + 8));
            need.setHeight(b->fontMetrics().height() * int(lines.size()) + 4);
        } else if (auto* l = qobject_cast<const QLabel*>(c)) {
            if (l->text().isEmpty() || l->wordWrap()) continue;
            need = l->sizeHint();
        } else if (auto* g = qobject_cast<const QGroupBox*>(c)) {
            need = {g->fontMetrics().horizontalAdvance(g->title()) + 12, 0};
        } else {
            continue;
        }
        EXPECT_LE(need.width(), c->width()) << c->objectName().toStdString();
        EXPECT_LE(need.height(), c->height()) << c->objectName().toStdString();
    }
}
