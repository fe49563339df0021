#include "panellink/HistoryBlock.h"

#include <gtest/gtest.h>

#include "panellink/LinkFixture.h"

namespace {

class HistoryBlockTest : public LinkTest {
protected:
    // An event: device, 44 characters of panel text, minute, hour, day, month, year (BCD).
    static QByteArray Event(int device, const QByteArray& text, const char* when = "05 14 23 11 24")
    {
        QByteArray r(1, char(device));
        r += char(0);
        r += text.leftJustified(44, ' ', true);
        return r + H(when);
    }
};

TEST_F(HistoryBlockTest, LineOfADeviceEvent)
{
    // The panel text reversed: description "ROOM 5" in characters 1-32, type "FIRE" in 33-44.
    const QString description = QStringLiteral("ROOM 5").leftJustified(32);
    const QString type = QStringLiteral("FIRE").leftJustified(12);
    const QByteArray panelText = QString(description + type).toLatin1();
    QByteArray reversed;
    for (int i = panelText.size() - 1; i >= 0; --i) reversed += panelText[i];
    Receive({Event(7, reversed)});
    ASSERT_TRUE(fillHistoryArray_rcv());

    const HistoryRecord& e = HistoryArray[1];
    EXPECT_EQ(e.DevNo.trimmed(), QStringLiteral("7"));
    EXPECT_EQ(e.Hour, "14");
    EXPECT_EQ(e.Minute, "05");
    EXPECT_EQ(e.Day, "23");
    EXPECT_EQ(e.Month, "11");
    EXPECT_EQ(e.Year, "24");
    EXPECT_EQ(e.EventText, description + type);
    EXPECT_EQ(HistoryLines[1], QStringLiteral("001\t") + type + QStringLiteral("\t14:05\t23/11/24\t") + description +
                                   QStringLiteral("\tהתקן מס' 007"));
}

TEST_F(HistoryBlockTest, SystemEventAndNoChangeOfProjectData)
{
    DeviceDataArray[1].DeviceName = "KEEP";
    DeviceDataArray[1].Exist = "1";
    const auto before = DeviceDataArray;
    Receive({Event(0, "A"), Event(1, "NAME FROM HISTORY")});
    ASSERT_TRUE(fillHistoryArray_rcv());
    EXPECT_TRUE(HistoryLines[1].endsWith(QStringLiteral("\tתקלת מערכת  ")));
    EXPECT_TRUE(HistoryLines[2].endsWith(QStringLiteral("\tהתקן מס' 001")));
    EXPECT_TRUE(DeviceDataArray == before);
    EXPECT_FALSE(ProjectLoaded);
}

TEST_F(HistoryBlockTest, LinesDoNotDependOnTheLanguage)
{
    QStringList lines[2];
    for (int16_t language : {1, 2}) {
        Fresh(language);
        Receive({Event(3, "ABC"), Event(0, "XYZ 12")});
        ASSERT_TRUE(fillHistoryArray_rcv());
        lines[language - 1] << HistoryLines[1] << HistoryLines[2];
    }
    EXPECT_EQ(lines[0], lines[1]);
}

TEST_F(HistoryBlockTest, ThreeEventsLeaveTheRestEmpty)
{
    Receive({Event(1, "A"), Event(2, "B"), Event(3, "C")});
    ASSERT_TRUE(fillHistoryArray_rcv());
    for (int i = 1; i <= 3; ++i) EXPECT_TRUE(HistoryLines[i].startsWith(QStringLiteral("00%1\t").arg(i)));
    for (int i = 4; i <= 255; ++i) EXPECT_TRUE(HistoryLines[i].isEmpty()) << i;
}

TEST_F(HistoryBlockTest, FullHistoryWithTheEndFrameAs256)
{
    LinkState::BeginBlock();
    for (int i = 1; i <= 255; ++i) LinkState::StoreRecord(i, Event(i % 127, "E"));
    LinkState::StoreEnd(256);
    ASSERT_TRUE(fillHistoryArray_rcv());
    EXPECT_TRUE(HistoryLines[255].startsWith(QStringLiteral("255\t")));
}

TEST_F(HistoryBlockTest, HostileHistoryChangesNothing)
{
    Receive({Event(1, "A"), Event(2, "B").left(50)});
    EXPECT_FALSE(fillHistoryArray_rcv());
    EXPECT_EQ(ErrLocation, QStringLiteral("0x000031"));
    EXPECT_TRUE(TransferError);
    EXPECT_TRUE(HistoryLines[1].isEmpty());

    // More records than the history holds.
    LinkState::SetFrameCount(256);
    EXPECT_FALSE(fillHistoryArray_rcv());
    EXPECT_TRUE(HistoryLines[1].isEmpty());
}

}  // namespace
