#pragma once
// Controls of the devices window that need more than a plain widget: the row's name box, which
// reports its focus changes and keys, and the fonts every row shares.
#include <QFocusEvent>
#include <QFont>
#include <QKeyEvent>
#include <QLineEdit>

namespace frm6Controls {

// Built once per run and shared by every row (a font per control would be built 126 times).
const QFont& RowFont();           // labels and buttons: "Arial" 9.75 pt
const QFont& FactoryFont();       // factory-name box: "Miriam Fixed" 8.25 pt
const QFont& NameFont();          // name box: "Miriam Fixed" 9.75 pt
const QFont& NumberFont(bool bold, double points);  // regular 9.75 or 10, bold 12
const QFont& CellFont(int points);  // address-map cells

// The virtual key code and modifier mask (1 Shift, 2 Ctrl, 4 Alt) of a key event; the digits of
// the numeric keypad are not those of the main keyboard.
int KeyCodeOf(const QKeyEvent& e);
int ShiftOf(const QKeyEvent& e);

// The window's texts join their lines with carriage returns; a label breaks at line feeds.
inline QString Lines(QString text) { return text.replace(QLatin1Char('\r'), QLatin1Char('\n')); }

}  // namespace frm6Controls

// A row's name box: reports focus changes made by the user or the program (not the window's
// activation) and offers its keys to the window before it handles them.
class RowNameBox : public QLineEdit {
    Q_OBJECT
public:
    explicit RowNameBox(QWidget* parent) : QLineEdit(parent) {}

signals:
    void gotFocus(Qt::FocusReason reason);
    void lostFocus();
    // The window sets handled when the key is its own.
    void keyDown(int keyCode, int shift, bool& handled);

protected:
    static bool IsWindowSwitch(Qt::FocusReason r)
    {
        return r == Qt::ActiveWindowFocusReason || r == Qt::PopupFocusReason;
    }
    void focusInEvent(QFocusEvent* e) override
    {
        QLineEdit::focusInEvent(e);
        if (!IsWindowSwitch(e->reason())) emit gotFocus(e->reason());
    }
    void focusOutEvent(QFocusEvent* e) override
    {
        QLineEdit::focusOutEvent(e);
        if (!IsWindowSwitch(e->reason())) emit lostFocus();
    }
    void keyPressEvent(QKeyEvent* e) override
    {
        bool handled = false;
        emit keyDown(frm6Controls::KeyCodeOf(*e), frm6Controls::ShiftOf(*e), handled);
        if (handled) e->accept();
        else QLineEdit::keyPressEvent(e);
    }
};
