// The warning that names the places replaced or made whole: each source of the values has its own
// heading in each language, so a download's or a save's warning never blames the project file.
#include <gtest/gtest.h>

#include <QSet>

#include "core/PlacesMessage.h"
#include "platform/Ui.h"

namespace {

const PlacesList Places{{1, 3, 4, 5, 9}, true, {2}};

}  // namespace

TEST(PlacesMessage, EachSourceHasItsOwnHeadingInEachLanguage)
{
    struct Case {
        PlacesSource source;
        int16_t lang;
        QString heading;
    };
    const Case cases[] = {
        {PlacesSource::ProjectFile, 2,
         "Some values in the project file were invalid or did not agree with each other, and were replaced or removed:"},
        {PlacesSource::Panel, 2,
         "Some values read from the system were invalid or did not agree with each other, and were replaced or removed:"},
        {PlacesSource::Save, 2, "Some data of the project did not agree with each other, and were mended before the save:"},
        {PlacesSource::ProjectFile, 1,
         QStringLiteral("חלק מהערכים בקובץ הפרויקט לא היו תקינים או לא התאימו זה לזה, והוחלפו או הוסרו:")},
        {PlacesSource::Panel, 1,
         QStringLiteral("חלק מהערכים שנקראו מהבקרה לא היו תקינים או לא התאימו זה לזה, והוחלפו או הוסרו:")},
        {PlacesSource::Save, 1, QStringLiteral("חלק מנתוני הפרויקט לא התאימו זה לזה, ותוקנו לפני השמירה:")},
        {PlacesSource::Step, 2,
         "Some values read from the system were invalid and were replaced, or do not agree with the rest of the "
         "project:"},
        {PlacesSource::Step, 1,
         QStringLiteral("חלק מהערכים שנקראו מהבקרה לא היו תקינים והוחלפו, או שאינם מתאימים לשאר הפרויקט:")},
    };
    QSet<QString> headings;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.heading.toStdString());
        const Message m = PlacesMessage(c.lang, c.source, Places);
        const QStringList lines = m.prompt.split("\r\n");
        ASSERT_EQ(lines.size(), 5);
        EXPECT_EQ(lines[0], c.heading);
        headings.insert(lines[0]);
        if (c.lang == 1) {
            EXPECT_EQ(lines.mid(1), QStringList({QStringLiteral("כתובות: 1, 3-5, 9"), QStringLiteral("הגדרות הבקרה"),
                                                 QStringLiteral("קבוצות הפעלה: 2"),
                                                 QStringLiteral("נא לבדוק אותם לפני שליחת הפרויקט לבקרה.")}));
            EXPECT_EQ(m.title, QStringLiteral("אזהרה"));
            EXPECT_EQ(m.style, Ui::vbOKOnly | Ui::vbExclamation | Ui::vbHebrew);
        } else {
            EXPECT_EQ(lines.mid(1), QStringList({"Addresses: 1, 3-5, 9", "System settings", "Groups: 2",
                                                 "Please check them before the project is sent to the system."}));
            EXPECT_EQ(m.title, "Warning");
            EXPECT_EQ(m.style, Ui::vbOKOnly | Ui::vbExclamation);
        }
    }
    EXPECT_EQ(headings.size(), 8) << "no two sources share a heading";
}

TEST(PlacesMessage, OnlyThePlacesNamedHaveALine)
{
    const Message m = PlacesMessage(2, PlacesSource::Panel, PlacesList{{}, false, {7, 8, 10}});
    EXPECT_EQ(m.prompt.split("\r\n").mid(1),
              QStringList({"Groups: 7, 8, 10", "Please check them before the project is sent to the system."}));
}
