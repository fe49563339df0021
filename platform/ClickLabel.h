#pragma once
// A label that reacts to a click, as the original's labels with a Click handler do.
#include <QLabel>
#include <QMouseEvent>

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(const QString& text = QString(), QWidget* parent = nullptr) : QLabel(text, parent) {}
    explicit ClickLabel(QWidget* parent) : QLabel(parent) {}

    // Pressing the label from code, as a test or a window does with a button.
    void click() { emit clicked(); }

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit clicked();
        QLabel::mouseReleaseEvent(e);
    }
};
