#pragma once
// Small makers for the windows' controls: each gets its name and its place at once.
#include <functional>

#include <QEvent>
#include <QAbstractButton>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QObject>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <QStyle>
#include <QTimer>
#include <QWidget>

#include "platform/ClickLabel.h"
#include "platform/Printer.h"

namespace Controls {

// Pixels inside a panel whose contents are laid out in twips.
constexpr int Px(double twips) { return int(twips / 15.0 + 0.5); }

template <typename T>
T* Make(QWidget* parent, const QString& name)
{
    auto* c = new T(parent);
    c->setObjectName(name);
    return c;
}

template <typename T>
T* Make(QWidget* parent, const QString& name, const QRect& place)
{
    T* c = Make<T>(parent, name);
    c->setGeometry(place);
    return c;
}

template <typename T>
T* Make(QWidget* parent, const QString& name, int left, int top, int width, int height)
{
    return Make<T>(parent, name, QRect(left, top, width, height));
}

// A control's caption, whatever kind of control it is: a button's or label's text, a text box's
// contents, a frame's title. Other controls keep theirs.
inline void SetCaption(QWidget* w, const QString& text)
{
    if (auto* b = qobject_cast<QAbstractButton*>(w)) b->setText(text);
    else if (auto* l = qobject_cast<QLabel*>(w)) l->setText(text);
    else if (auto* e = qobject_cast<QLineEdit*>(w)) e->setText(text);
    else if (auto* g = qobject_cast<QGroupBox*>(w)) g->setTitle(text);
}

// Enter in a text box must never press a button of the window.
inline QPushButton* Button(QWidget* parent, const QString& name)
{
    auto* b = Make<QPushButton>(parent, name);
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

inline QPushButton* Button(QWidget* parent, const QString& name, int left, int top, int width, int height,
                           const QString& text = QString())
{
    QPushButton* b = Button(parent, name);
    b->setGeometry(left, top, width, height);
    b->setText(text);
    return b;
}

inline QLabel* Label(QWidget* parent, const QString& name, int left, int top, int width, int height,
                     const QString& text = QString())
{
    QLabel* l = Make<QLabel>(parent, name, left, top, width, height);
    l->setText(text);
    return l;
}

inline QLabel* Title(QWidget* parent, const QString& name, int left, int top, int width, int height)
{
    QLabel* l = Label(parent, name, left, top, width, height);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

inline ClickLabel* Clickable(QWidget* parent, const QString& name, const QString& text, int left, int top,
                             int width, int height)
{
    auto* l = Make<ClickLabel>(parent, name, left, top, width, height);
    l->setText(text);
    l->setCursor(Qt::PointingHandCursor);
    return l;
}

inline QTimer* Timer(QObject* parent, const QString& name)
{
    auto* t = new QTimer(parent);
    t->setObjectName(name);
    t->setInterval(500);
    return t;
}

// The fixed-pitch font of the administrator's dump: the report font, in pixels.
inline QFont FixedFont(int pixelSize)
{
    QFont f = Printer::ReportFont(10);
    f.setPixelSize(pixelSize);
    return f;
}

// The style of options that stand side by side in a row: each caption keeps close to its own
// circle, so the wider blank before the next option tells them apart. One for the application.
QStyle* OptionRowStyle();

// Runs a function for the events of the objects it is installed on (double clicks, focus changes
// of single controls) without a class of its own per control.
class EventHook : public QObject {
public:
    using Handler = std::function<bool(QObject*, QEvent*)>;
    EventHook(QObject* parent, Handler handler) : QObject(parent), handler_(std::move(handler)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        return handler_(watched, event) || QObject::eventFilter(watched, event);
    }

private:
    Handler handler_;
};

}  // namespace Controls
