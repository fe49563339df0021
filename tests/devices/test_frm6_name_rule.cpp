// A name whose cleaned text is one character and blanks, entered through the devices window's
// three name entries: a row's name box, the type panel's name box and the names import. None keeps
// a one-character name, in either language.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "ToolsWindowFixture.h"
#include "devices/frm6NamesAndSettings_TypePanel.h"

namespace {

const QString kTitle = QStringLiteral(u"שגיאה בכינוי");
const QString kOneLetter = QStringLiteral(u"לא ניתן לתת כינוי בעל אות אחת בלבד");
const QString kIllegal = QStringLiteral(u"בכינוי ישנם תווים שאינם חוקיים");

enum Box { None, Illegal, OneLetter };

struct Entry {
    QString typed;
    QString kept;  // what the row's box holds afterwards
    Box box;       // the check's message
};

const Entry kEntries[] = {
    {"a ", "", OneLetter},
    {"  b", "", OneLetter},
    {QStringLiteral(u" ד "), "", OneLetter},
    {QStringLiteral(u"A ü`}"), "", Illegal},
    {"a b", "A B", None},
    {"  ", "", None},  // blanks only: the empty name, which the commit replaces
};

// Types a name key by key as a keyboard of its letters would (Hebrew and accented letters too).
void Type(QLineEdit* box, const QString& name)
{
    for (QChar c : name) QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

class NameEntriesTest : public ToolsWindowTest {
protected:
    void SetUp() override
    {
        ToolsWindowTest::SetUp();
        SiteProject();
    }

    // Runs `use` on the window opened on its rows, in Hebrew and in English, and closes it without
    // saving.
    template <typename F>
    void InBothLanguages(F use)
    {
        for (int16_t language : {1, 2}) {
            UILanguage = language;
            SCOPED_TRACE(language == 1 ? "Hebrew" : "English");
            frm6NamesAndSettings w;
            Show(w);
            w.Command11->click();
            use(w);
            prompter.Expect(Ui::vbNo);
            w.close();
        }
    }

    // The check's message for an entry, or none; and that it was shown.
    void ExpectBox(Box box)
    {
        if (box != None) prompter.Expect(box == OneLetter ? kOneLetter : kIllegal, Ui::vbOK);
    }
    void ExpectBoxShown(Box box)
    {
        ASSERT_EQ(prompter.Pending(), 0);
        if (box != None) EXPECT_EQ(prompter.LastCall().title, kTitle);
    }

    static TypePanelControls& P(frm6NamesAndSettings& w) { return w.TypePanelView(); }
};

TEST_F(NameEntriesTest, ARowsNameBox)
{
    InBothLanguages([&](frm6NamesAndSettings& w) {
        for (const Entry& e : kEntries) {
            SCOPED_TRACE(e.typed.toStdString());
            w.NewName[5]->setFocus(Qt::OtherFocusReason);
            Type(w.NewName[5], e.typed);
            ExpectBox(e.box);
            w.NewName[6]->setFocus(Qt::OtherFocusReason);
            ExpectBoxShown(e.box);
            EXPECT_EQ(w.NewName[5]->text(), e.kept);
            EXPECT_EQ(DeviceDataArrayEdit[5].DeviceName.str().trimmed(), e.kept);
        }
    });
}

TEST_F(NameEntriesTest, TheTypePanelsNameBox)
{
    InBothLanguages([&](frm6NamesAndSettings& w) {
        for (const Entry& e : kEntries) {
            SCOPED_TRACE(e.typed.toStdString());
            w.DeviceSettings[5]->click();
            ASSERT_FALSE(w.Picture3->isHidden());
            QLineEdit* box = P(w).Text12;
            box->setFocus(Qt::OtherFocusReason);
            box->clear();
            Type(box, e.typed);
            ExpectBox(e.box);
            P(w).Command13->setFocus(Qt::OtherFocusReason);  // leaving the box checks it
            ExpectBoxShown(e.box);
            EXPECT_EQ(box->text().trimmed(), e.kept);
            P(w).Command12->click();
            ASSERT_TRUE(w.Picture3->isHidden());
            EXPECT_EQ(w.NewName[5]->text(), e.kept);
        }
    });
}

// The line a user tried, among others: an address whose name leaves one letter is listed with
// the invalid names, and its box keeps nothing.
TEST_F(NameEntriesTest, TheImport)
{
    InBothLanguages([&](frm6NamesAndSettings& w) {
        WriteCsv(QStringLiteral(u" 33,A ü`}; \r\n34,\"B \"\r\n35,\" ד\"\r\n36,\"C D\"\r\n37,\"  \"\r\n").toUtf8());
        prompter.Expect(Ui::vbYes);
        prompter.Expect(QStringLiteral(u"תווים לא חוקיים ימחקו בכתובות:\r\n33,34,35"), Ui::vbOK);
        w.Command7->click();
        EXPECT_EQ(prompter.Pending(), 0);
        for (int a : {33, 34, 35, 37}) EXPECT_EQ(w.NewName[size_t(a)]->text(), "") << a;
        EXPECT_EQ(w.NewName[36]->text(), "C D");
    });
}

}  // namespace
