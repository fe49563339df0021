#include <QApplication>
#include <QFont>
#include <QFontDatabase>

#include "core/MainMdlMain.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Verdal5000"));
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
