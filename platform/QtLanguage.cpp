#include "platform/QtLanguage.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace QtLanguage {
namespace {

QTranslator& Hebrew()
{
    static QTranslator translator;
    return translator;
}

bool installed = false;

}  // namespace

void Apply(bool hebrew)
{
    if (hebrew && !installed) {
        if (Hebrew().isEmpty())
            (void)Hebrew().load(QStringLiteral("qtbase_he"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        // Without the translation Qt's dialogs keep their English texts, right to left.
        installed = !Hebrew().isEmpty() && QCoreApplication::installTranslator(&Hebrew());
    } else if (!hebrew && installed) {
        QCoreApplication::removeTranslator(&Hebrew());
        installed = false;
    }
    QApplication::setLayoutDirection(hebrew ? Qt::RightToLeft : Qt::LeftToRight);
}

bool HebrewInstalled() { return installed; }

}  // namespace QtLanguage
