#include <QApplication>
#include <QFont>
#include <QFontDatabase>

#include "startup/MainMdlMain.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // The title of every message box that has none of its own.
    QApplication::setApplicationName(QStringLiteral("VERDAL5000X"));
    // The windows hide and show one another; the program ends only when a window ends it.
    QApplication::setQuitOnLastWindowClosed(false);
    // A font with Hebrew letters, where the system has one.
    if (QFontDatabase::families().contains(QStringLiteral("DejaVu Sans"))) {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSize(QApplication::font().pointSize());
        QApplication::setFont(font);
    }
    MainMdl::Main();
    return 0;
}
