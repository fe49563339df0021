#include "platform/InputBlocker.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

InputBlocker::InputBlocker(QWidget* window) : QObject(window), window_(window) {}

InputBlocker::~InputBlocker() { SetBlocked(false); }

void InputBlocker::SetBlocked(bool blocked)
{
    if (blocked == blocked_) return;
    blocked_ = blocked;
    if (blocked) {
        qApp->installEventFilter(this);
        if (window_) window_->setCursor(Qt::BusyCursor);
    } else {
        qApp->removeEventFilter(this);
        if (window_) window_->unsetCursor();
    }
}

bool InputBlocker::IsUserInput(const QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::InputMethod:
        return true;
    default:
        return false;
    }
}

bool InputBlocker::eventFilter(QObject* watched, QEvent* event)
{
    if (!window_ || !watched->isWidgetType() || !IsUserInput(event)) return false;
    // Only the blocked window's own controls; a message box over it has its own window.
    return static_cast<QWidget*>(watched)->window() == window_;
}
