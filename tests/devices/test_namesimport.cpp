// The device-names import: what each kind of line does to the name boxes, the status it reports,
// and the two encodings a spreadsheet may write.
#include <gtest/gtest.h>

#include "WorkingTableFixture.h"
#include "devices/NamesImport.h"
#include "platform/TextCodec.h"
#include "platform/Ui.h"

namespace {

class NamesImportTest : public WorkingTableFixture {
protected:
    void SetUp() override
    {
        WorkingTableFixture::SetUp();
        for (int a : {3, 7, 12, 50})
            Place(a, "00", "5");
        boxes.fill(QStringLiteral("OLD"));
    }
    NamesImport::NameBoxes boxes;
};

struct ImportCase {
    const char* name;
    QString file;
    int status;
    QString invalid;
    std::vector<std::pair<int, QString>> expect;  // box contents afterwards
};

TEST_F(NamesImportTest, LinesTable)
{
    const ImportCase cases[] = {
        // A valid name in lower or mixed case is stored upper-cased, as a row stores it.
        {"three valid", "3,LOBBY EAST\r\n7,Stairs 2\r\n12,lower case\r\n", 0, "",
         {{3, "LOBBY EAST"}, {7, "STAIRS 2"}, {12, "LOWER CASE"}, {50, "OLD"}}},
        {"free address", "3,A1\r\n4,NOBODY\r\n", 2, "", {{3, "A1"}, {4, "OLD"}}},
        {"invalid name", "7,BAD$NAME\r\n", 4, "7", {{7, "BADNAME"}}},
        {"both", "4,X1\r\n7,BAD$\r\n12,%%OK\r\n", 6, "7,12", {{7, "BAD"}, {12, "OK"}}},
        {"empty file", "", 0, "", {{3, "OLD"}}},
        {"addresses out of range", "0,ZERO\r\n127,BIG\r\n12.5,HALF\r\nx,LETTER\r\n,NONE\r\n", 2, "",
         {{12, "OLD"}}},
        {"no comma", "12 NAME\r\n", 2, "", {{12, "OLD"}}},
        {"quoted comma", "3,\"LOBBY, EAST\"\n\"7\",\"SAY \"\"HI\"\"\"\n", 4, "7",
         {{3, "LOBBY, EAST"}, {7, "SAY HI"}}},
        {"rest of line is the name", "12,NORTH,WING\r\n", 0, "", {{12, "NORTH,WING"}}},
        {"cut to 16", "50,ABCDEFGHIJKLMNOPQRST\r\n", 0, "", {{50, "ABCDEFGHIJKLMNOP"}}},
        // Cleaned first, cut after: the dropped "$" leaves room for the "P".
        {"cleaned before cut", "50,ABCDEFGHIJKLMNO$P\r\n", 4, "50", {{50, "ABCDEFGHIJKLMNOP"}}},
        // What is left of a refused name is one character: nothing is kept, as in the rows.
        {"one character left", "7,a?\r\n12,$B\r\n3,x\r\n", 4, "7,12,3", {{7, ""}, {12, ""}, {3, ""}}},
        {"blank lines and lone CR", "\r\n3, SPACED \r7,B2\r\n\r\n", 0, "", {{3, "SPACED"}, {7, "B2"}}},
        {"Hebrew", QStringLiteral(u"3,לובי מזרח\r\n"), 0, "", {{3, QStringLiteral(u"לובי מזרח")}}},
    };
    for (const ImportCase& c : cases) {
        SetUp();
        NameCheckQuiet = false;
        const auto o = NamesImport::Import(c.file, boxes);
        EXPECT_EQ(o.status, c.status) << c.name;
        EXPECT_EQ(o.invalidList, c.invalid) << c.name;
        for (const auto& [a, text] : c.expect)
            EXPECT_EQ(boxes[a], text) << c.name << " address " << a;
        EXPECT_FALSE(NameCheckQuiet) << c.name;
    }
}

TEST_F(NamesImportTest, QuietFlagIsRestoredEitherWay)
{
    NameCheckQuiet = true;
    NamesImport::Import("3,BAD$\r\n", boxes);
    EXPECT_TRUE(NameCheckQuiet);
}

TEST_F(NamesImportTest, DecodesUtf8WithAndWithoutMarkAndWindows1255)
{
    const QString hebrew = QStringLiteral(u"3,מדרגות\r\n");
    const QByteArray utf8 = hebrew.toUtf8();
    EXPECT_EQ(NamesImport::DecodeFile(utf8), hebrew);
    EXPECT_EQ(NamesImport::DecodeFile(QByteArray("\xEF\xBB\xBF") + utf8), hebrew);
    EXPECT_EQ(NamesImport::DecodeFile(TextCodec::ToCp1255(hebrew)), hebrew);
    EXPECT_EQ(NamesImport::DecodeFile("3,PLAIN\r\n"), "3,PLAIN\r\n");
}

TEST_F(NamesImportTest, MessagesAreHebrewRightToLeft)
{
    ProjectName = "Site";
    const auto missing = NamesImport::MissingFile();
    EXPECT_EQ(missing.prompt, QStringLiteral(u"קובץ Site.csv לא קיים"));
    const auto confirm = NamesImport::Confirmation();
    EXPECT_EQ(confirm.style & 7, Ui::vbYesNo);
    EXPECT_EQ(confirm.title, QStringLiteral(u"החלפת שמות קיימים"));

    NamesImport::Outcome o;
    EXPECT_EQ(NamesImport::Result(o).prompt, QStringLiteral(u"כל השמות הועברו בהצלחה"));
    o.status = 6;
    o.invalidList = "7,12";
    const auto both = NamesImport::Result(o);
    EXPECT_EQ(both.title, QStringLiteral(u"שים לב !"));
    EXPECT_TRUE(both.prompt.contains(QStringLiteral("\r\n- - - - -\r\n")));
    EXPECT_TRUE(both.prompt.endsWith(QStringLiteral("\r\n7,12")));
    EXPECT_TRUE(both.style & Ui::vbMsgBoxRtlReading);
}

}  // namespace
