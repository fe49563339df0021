#include <gtest/gtest.h>

#include "core/DataModel.h"
#include "core/Usefull.h"
#include "platform/Ui.h"
#include "common/ScriptedPrompter.h"

namespace {

const QString kTitle = QStringLiteral(u"שגיאה בכינוי");
const QString kIllegal = QStringLiteral(u"בכינוי ישנם תווים שאינם חוקיים") + '\r'
                         + QStringLiteral(u"התווים החוקיים האפשריים:") + '\r'
                         + QStringLiteral(u"*** ! # & ' ( ) * + , - . / 0-9 א-ת A-Z***");
const QString kOneLetter = QStringLiteral(u"לא ניתן לתת כינוי בעל אות אחת בלבד");

class ChkAliasNameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        NameCheckQuiet = false;
        CleanName = "stale";
    }
    void TearDown() override
    {
        NameCheckQuiet = false;
        CleanName.clear();
    }
};

enum Box { None, Illegal, OneLetter };

struct NameCase {
    QString in;
    bool quiet;
    bool result;
    QString clean;
    Box box;
};

}  // namespace

TEST_F(ChkAliasNameTest, Cases)
{
    const NameCase cases[] = {
        {"smoke-1", false, true, "SMOKE-1", None},
        {"AB", false, true, "AB", None},
        {" !#&'()*+,-./09AZ", false, true, " !#&'()*+,-./09AZ", None},
        {QStringLiteral(u"אבגדהוזחטיכלמנסעפצקרשת"), false, true, QStringLiteral(u"אבגדהוזחטיכלמנסעפצקרשת"), None},
        {QStringLiteral(u"ךםןףץ 2"), false, true, QStringLiteral(u"ךםןףץ 2"), None},
        {"", false, true, "", None},
        {"", true, true, "", None},
        {"A:B", false, false, "AB", Illegal},
        {"A:B", true, false, "AB", None},
        {":A", false, false, "A", Illegal},
        {"x", false, false, "", OneLetter},
        {":", false, false, "", OneLetter},
        {"x", true, false, "", None},
        // vowel points (Windows-1255 codes 192 to 210) are dropped
        {QStringLiteral(u"שָׁלוֹם"), false, false, QStringLiteral(u"שלום"), Illegal},
        // judged by the code page, not by the Unicode value: U+00E0 lies in 224..250 but has no code
        {QStringLiteral(u"AàB"), false, false, "AB", Illegal},
        // only a to z are upper-cased
        {QStringLiteral(u"äb"), false, false, "B", Illegal},
        {QStringLiteral(u"A😀B"), false, false, "AB", Illegal},
        {QStringLiteral(u"A×B"), false, false, "AB", Illegal},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.in.toStdString());
        ScriptedPrompter prompter;
        if (c.box != None) prompter.Expect(Ui::vbOK);
        NameCheckQuiet = c.quiet;
        EXPECT_EQ(Usefull::ChkAliasName(c.in), c.result);
        EXPECT_EQ(CleanName, c.clean);
        const auto& boxes = prompter.Calls();
        ASSERT_EQ(boxes.size(), c.box == None ? 0u : 1u);
        if (c.box == None) continue;
        EXPECT_EQ(boxes[0].title, kTitle);
        EXPECT_EQ(boxes[0].buttons(), Ui::vbOKOnly);
        if (c.box == Illegal) {
            EXPECT_EQ(boxes[0].prompt, kIllegal);
            EXPECT_EQ(boxes[0].style & Ui::vbHebrew, Ui::vbHebrew);
        } else {
            EXPECT_EQ(boxes[0].prompt, kOneLetter);
            EXPECT_EQ(boxes[0].style & Ui::vbHebrew, 0);
        }
    }
}

TEST_F(ChkAliasNameTest, EveryForbiddenAsciiCharacterIsDropped)
{
    ScriptedPrompter prompter;   // quiet: any box fails the test
    NameCheckQuiet = true;
    for (char16_t c = 0; c < 128; ++c) {
        const bool allowed = c == ' ' || c == '!' || c == '#' || (c >= '&' && c <= '9')
                             || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        const QString name = QStringLiteral("A") + QChar(c) + QStringLiteral("B");
        EXPECT_EQ(Usefull::ChkAliasName(name), allowed) << int(c);
        EXPECT_EQ(CleanName, allowed ? name.toUpper() : QStringLiteral("AB")) << int(c);
    }
}

TEST(DeviceTypeName, HebrewNameOfEveryKind)
{
    struct K { double kind; const char16_t* name; };
    const K kinds[] = {
        {5, u"גלאי עשן"}, {6, u"גלאי חום"}, {29, u"גלאי משולב"}, {12, u"גלאי מכותב"},
        {7, u"לחצן אזעקה"}, {15, u"לחצן כיבוי"}, {10, u"כרטיס אזעקה/תקלה"},
        {20, u"כרטיס 4 אזורי גילוי"}, {30, u"כרטיס לגלאי קרן"}, {23, u"התקן מבוא"}, {9, u"מוצא"},
        {17, u"כיבוי"}, {19, u"ממסר"}, {11, u"כרטיס 2 מבואות"}, {21, u"ממסר קווי"},
        {1, u""}, {0, u""}, {-5, u""}, {5.5, u""}, {31, u""},
    };
    for (const auto& k : kinds)
        EXPECT_EQ(Usefull::DeviceTypeName(k.kind), QString::fromUtf16(k.name)) << k.kind;
}
