#include "devices/frm6NamesAndSettings_Controls.h"

#include <QStringList>

#include "platform/Printer.h"

namespace frm6Controls {
namespace {

QFont Make(const QStringList& families, double points, bool bold = false)
{
    QFont f;
    f.setFamilies(families);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

const QStringList& Arial()
{
    static const QStringList families{QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    return families;
}

}  // namespace

const QFont& RowFont()
{
    static const QFont f = Make(Arial(), 9.75);
    return f;
}

const QFont& FactoryFont()
{
    static const QFont f = Printer::ReportFont(8.25);
    return f;
}

const QFont& NameFont()
{
    static const QFont f = Printer::ReportFont(9.75);
    return f;
}

const QFont& NumberFont(bool bold, double points)
{
    static const QFont regular = Make(Arial(), 9.75);
    static const QFont ten = Make(Arial(), 10);
    static const QFont marked = Make(Arial(), 12, true);
    if (bold) return marked;  // the marked row
    return points == 10 ? ten : regular;
}

const QFont& CellFont(int points)
{
    static const QFont seven = Make(Arial(), 7);
    static const QFont eight = Make(Arial(), 8);
    return points <= 7 ? seven : eight;
}

int KeyCodeOf(const QKeyEvent& e)
{
    const bool keypad = e.modifiers() & Qt::KeypadModifier;
    switch (e.key()) {
    case Qt::Key_Up: return 38;
    case Qt::Key_Down: return 40;
    case Qt::Key_1: case Qt::Key_2: case Qt::Key_3:
        return keypad ? 97 + (e.key() - Qt::Key_1) : 49 + (e.key() - Qt::Key_1);
    default: return 0;
    }
}

int ShiftOf(const QKeyEvent& e)
{
    const Qt::KeyboardModifiers m = e.modifiers();
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) | (m & Qt::AltModifier ? 4 : 0);
}

}  // namespace frm6Controls
