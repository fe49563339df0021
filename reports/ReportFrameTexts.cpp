#include "reports/ReportFrameTexts.h"

#include "core/Conv.h"
#include "platform/Ui.h"

namespace ReportFrameTexts {
namespace {

const QChar CR = u'\r';

struct Row {
    ReportWindow window;
    const char* captionHe;
    const char* captionEn;
    const char* koteretHe;
    const char* koteretEn;
    const char* label2He;
    const char* label2En;
    bool label2RtlEnglish;
    const char* reportSuffix;
    const char* exportSuffix;
    const char* closingHe;
    const char* closingEn;
};

const Row kRows[] = {
    {ReportWindow::Groups, " - קבוצות הפעלה", " - Activation groups", "קבוצות הפעלה", "GROUPS      ",
     " '_G' הקובץ ישמר תחת שם הפרויקט עם תוספת",
     "The file will be saved under the project name with letter '_G' and TXT extension", false, "_G.txt",
     "-Excel.txt", "דוח קבוצות הפעלה", "Activation groups report"},
    {ReportWindow::History, " - היסטוריה", " - History", "היסטוריה", "History",
     " '_H' הקובץ ישמר תחת שם הפרויקט עם תוספת",
     "The file will be saved under the project name with letter '_H' and TXT extension", false, "_H.txt",
     "-H-Excel.txt", "דוח היסטוריה", "Events log (History)"},
    {ReportWindow::Names, " - תצוגת שמות ההתקנים במערכת", " - Names of devices", "שמות ההתקנים", "Devices names",
     " TXT הקובץ ישמר תחת שם הפרויקט עם סיומת", "The file will be saved under the project name with TXT extension",
     true, ".txt", "-Excel.txt", "שמות התקנים", "Devices names"},
    {ReportWindow::NamesAndSettings, " - תצוגת שמות והגדרות ההתקנים במערכת", " - Names and settings of devices",
     "הגדרות ההתקנים", "Device settings", " TXT הקובץ ישמר תחת שם הפרויקט עם סיומת",
     "The file will be saved under the project name with '(+)' and TXT extension", true, "(+).txt", "-Excel.txt",
     "שמות והגדרות התקנים", "Devices names and settings"},
};

const Row& RowOf(ReportWindow window)
{
    for (const Row& r : kRows)
        if (r.window == window) return r;
    return kRows[0];
}

QString U(const char* s) { return QString::fromUtf8(s); }

}  // namespace

WindowTexts TextsOf(ReportWindow window, int16_t lang)
{
    const Row& r = RowOf(window);
    const bool he = lang == 1;
    return {U(he ? r.captionHe : r.captionEn), U(he ? r.koteretHe : r.koteretEn), U(he ? r.label2He : r.label2En),
            he || r.label2RtlEnglish, U(he ? r.closingHe : r.closingEn)};
}

QString Caption(ReportWindow window, int16_t lang, int maxNumOfDevices)
{
    return QStringLiteral("Tessel") + Str(maxNumOfDevices) + TextsOf(window, lang).captionSuffix;
}

QString ReportSuffix(ReportWindow window) { return U(RowOf(window).reportSuffix); }
QString ExportSuffix(ReportWindow window) { return U(RowOf(window).exportSuffix); }

Buttons ButtonTexts(int16_t lang)
{
    if (lang == 1) return {QStringLiteral("עבור Excel"), QStringLiteral("שמור קובץ הדפסה"), QStringLiteral("הדפסה"), QStringLiteral("יציאה")};
    return {QStringLiteral("Excel"), QStringLiteral("SAVE"), QStringLiteral("PRINT"), QStringLiteral("EXIT")};
}

Sizes SizesOf(bool smallDisplay)
{
    // The window is 9420 or 7545 twips high with its title bar and borders (420 twips); the
    // client area is what remains: 900 x 600 pixels as designed, or 475 pixels high.
    constexpr int TwipsPerPixel = 15, BorderTwips = 420;
    const int outerTwips = smallDisplay ? 7545 : 9420;
    const int client = (outerTwips - BorderTwips) / TwipsPerPixel;
    if (smallDisplay) return {client, 400, 440};
    return {client, 511, 560};
}

double ListPoints(ReportWindow window) { return window == ReportWindow::NamesAndSettings ? 8.25 : 9.75; }
double KoteretPoints(ReportWindow window) { return window == ReportWindow::NamesAndSettings ? 15.75 : 20.25; }

Message Saved(int16_t lang)
{
    if (lang == 1) return {QStringLiteral("הקובץ נשמר בתיקיית הפרוייקט"), Ui::vbOKCancel | Ui::vbHebrew, QString()};
    return {QStringLiteral("The file saved in project folder"), Ui::vbOKCancel, QString()};
}

Message SaveQuestion(ReportWindow window, int16_t lang)
{
    const QString title = TextsOf(window, lang).closingTitle;
    if (lang == 1) return {QStringLiteral("לשמור לקובץ ?"), Ui::vbYesNoCancel | Ui::vbHebrew, title};
    return {QStringLiteral("Save the file ?"), Ui::vbYesNoCancel, title};
}

Message WriteFailed(int16_t lang, const QString& path, const QString& reason)
{
    if (lang == 1)
        return {QStringLiteral("לא ניתן לכתוב את הקובץ") + CR + path + CR + reason,
                Ui::vbOKOnly | Ui::vbCritical | Ui::vbHebrew, QStringLiteral("שגיאה")};
    return {QStringLiteral("The file could not be written") + CR + path + CR + reason, Ui::vbOKOnly | Ui::vbCritical,
            QStringLiteral("Error")};
}

Message PrintFailed(int16_t lang, const QString& where)
{
    if (lang == 1)
        return {QStringLiteral("ההדפסה נכשלה") + CR + where, Ui::vbOKOnly | Ui::vbCritical | Ui::vbHebrew,
                QStringLiteral("שגיאה")};
    return {QStringLiteral("The report could not be printed") + CR + where, Ui::vbOKOnly | Ui::vbCritical,
            QStringLiteral("Error")};
}

}  // namespace ReportFrameTexts
