#pragma once
// Keeps a window from taking the user's input while it goes on looking as it does: mouse,
// wheel, keyboard, touch and context-menu events aimed at the window or any of its controls are
// dropped, and the pointer shows the busy cursor over it. Unlike disabling the window, nothing
// greys out, so a progress bar and status texts stay readable. Other windows (a message box
// shown meanwhile) take input as usual, and code may still press the window's buttons.
#include <QObject>
#include <QPointer>

class QWidget;

class InputBlocker : public QObject {
public:
    explicit InputBlocker(QWidget* window);
    ~InputBlocker() override;

    void SetBlocked(bool blocked);
    bool Blocked() const { return blocked_; }

    // Whether the event is user input (what a blocked window drops).
    static bool IsUserInput(const QEvent* event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> window_;
    bool blocked_ = false;
};
