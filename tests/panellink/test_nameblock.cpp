#include "panellink/NameBlock.h"

#include <random>

#include <gtest/gtest.h>

#include "panellink/LinkFixture.h"
#include "panellink/Frame.h"
#include "platform/TextCodec.h"

namespace {

class NameBlockTest : public LinkTest {
protected:
    static void InUse(int a, const QString& factory, const QString& name = QString())
    {
        DeviceRecord& r = DeviceDataArray[a];
        r.Exist = "1";
        r.FactoryName = factory;
        if (!name.isNull()) {
            r.DeviceName = name;
            r.NameExist = "1";
        }
    }
    static QByteArray NameRecord(int address, const QByteArray& panelName)
    {
        return QByteArray(1, char(address)) + ' ' + panelName;
    }
};

const QChar Alef(0x05D0), Tav(0x05EA);

TEST_F(NameBlockTest, PanelCodeBothWays)
{
    const struct {
        QString program, panel, back;
    } cases[] = {
        {"001 SMOKE DET  #", "#  TED EKOMS 001", "001 SMOKE DET  #"},
        {"ABC 12", QString(10, ' ') + "12 CBA", "ABC 12" + QString(10, ' ')},
        {"FLOOR 2 ROOM 123", "123 MOOR 2 ROOLF", "FLOOR 2 ROOM 123"},
        {"12345", QString(11, ' ') + "12345", "12345" + QString(11, ' ')},
        {"A1B22C333", QString(7, ' ') + "333C22B1A", "A1B22C333" + QString(7, ' ')},
        {"!#&'()*+,-./", QString(4, ' ') + "/.-,+*)('&#!", "!#&'()*+,-./" + QString(4, ' ')},
        {"A$B%C@", QString(10, ' ') + " C B A", "A B C " + QString(10, ' ')},
        // Lower case (a name of an older file) reaches the panel as its upper-case letters.
        {"Lobby East 2", QString(4, ' ') + "2 TSAE YBBOL", "LOBBY EAST 2" + QString(4, ' ')},
        {"az09AZ", QString(10, ' ') + "ZA09ZA", "AZ09AZ" + QString(10, ' ')},
        {"LONGER THAN SIXTEEN", "TXIS NAHT REGNOL", "LONGER THAN SIXT"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(OpsNames(c.program), c.panel) << c.program.toStdString();
        EXPECT_EQ(rtrvHebName(c.panel), c.back) << c.program.toStdString();
    }
    EXPECT_EQ(OpsNames(QString()), QString());
    EXPECT_EQ(rtrvHebName(QString()), QString());
}

TEST_F(NameBlockTest, HebrewLettersMoveDownBy128)
{
    EXPECT_EQ(TextCodec::CodeOf(Alef), 224);
    const QString panel = OpsNames(QString(Alef) + Tav);
    EXPECT_EQ(panel, QString(14, ' ') + QChar(122) + QChar(96));
    EXPECT_EQ(rtrvHebName(panel), QString(Tav).prepend(Alef) + QString(14, ' '));
    // Every code from 96 to 122 is a Hebrew letter on the way back, final forms included.
    for (int code = 96; code <= 122; ++code)
        EXPECT_EQ(TextCodec::CodeOf(rtrvHebName(QString(QChar(code))).at(0)), code + 128) << code;
    // A Hebrew name with a number: the number keeps its reading order.
    const QString room = QString(Alef) + QStringLiteral(" 12");
    EXPECT_EQ(rtrvHebName(OpsNames(room)), room + QString(12, ' '));
}

TEST_F(NameBlockTest, CharactersOutsideTheClassesBecomeBlanks)
{
    const QString odd[] = {"$", "%", ":", "@", "[", "_", "\"", QString(QChar(0x05B0)), QString(QChar(0x20AC))};
    for (const QString& c : odd) EXPECT_EQ(OpsNames(QStringLiteral("A") + c), QString(15, ' ') + 'A') << c.toStdString();
    for (int code : {0, 34, 36, 37, 58, 64, 91, 95, 123, 127, 200, 255})
        EXPECT_EQ(rtrvHebName(QString(QChar(code))), QStringLiteral(" ")) << code;
}

// Any name the window can hold, in either case, comes back from the panel with every letter, as
// the window shows it (upper case), padded to the 16 places of the field; so does a name cut short.
TEST_F(NameBlockTest, EveryNameOfThePanelsCharactersComesBackFromARecord)
{
    const QString pool = QStringLiteral(u"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 !#&'()*+,-./")
                         + TextCodec::FromCp1255([] {
                               QByteArray hebrew;
                               for (int code = 224; code <= 250; ++code) hebrew.append(char(code));
                               return hebrew;
                           }());
    std::mt19937 rng(3110);
    for (int run = 0; run < 2000; ++run) {
        QString name;
        for (int n = int(rng() % 17); n > 0; --n) name += pool[int(rng() % pool.size())];
        QString shown = name;
        for (QChar& c : shown)
            if (c >= u'a' && c <= u'z') c = QChar(c.unicode() - 32);
        SCOPED_TRACE(name.toStdString());
        const auto back = DecodeNameRecord(EncodeNameRecord(9, name));
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(back->address, 9);
        EXPECT_EQ(back->name, shown.leftJustified(16, u' '));
        if (HasFailure()) break;
    }
}

TEST_F(NameBlockTest, OneFramePerDeviceInUseInAddressOrder)
{
    InUse(12, "012 SMOKE DET  #");
    InUse(3, "003 HEAT DET   #", "KITCHEN");
    InUse(7, "007 INPUT      #");
    DeviceDataArray[9].FactoryName = "009 SMOKE DET  #";   // not in use
    ASSERT_TRUE(fillNameData2Snd());
    EXPECT_EQ(FrameArray[0], QByteArray("3"));
    const int addresses[] = {3, 7, 12};
    for (int i = 1; i <= 3; ++i) {
        const QByteArray& f = FrameArray[i];
        EXPECT_EQ(Frame::CheckReceived(f), Frame::Check::Good);
        EXPECT_EQ(f.at(4), char(0xC7));
        EXPECT_EQ(DataOf(f).size(), NameRecordBytes);
        EXPECT_EQ(DataOf(f).at(0), char(addresses[i - 1]));
        EXPECT_EQ(DataOf(f).at(1), ' ');
    }
    // The user name when one is set, else the factory name; always in the panel code.
    EXPECT_EQ(DataOf(FrameArray[1]).mid(2), QByteArray("         NEHCTIK"));
    EXPECT_EQ(DataOf(FrameArray[3]).mid(2), QByteArray("#  TED EKOMS 012"));
}

TEST_F(NameBlockTest, NamesAreConvertedWhateverTheLanguage)
{
    for (int16_t language : {1, 2}) {
        Fresh(language);
        InUse(1, "001 SMOKE DET  #");
        ASSERT_TRUE(fillNameData2Snd());
        EXPECT_EQ(DataOf(FrameArray[1]).mid(2), QByteArray("#  TED EKOMS 001")) << language;
    }
    Fresh(1);
    InUse(1, "001 X", QString(Alef) + Tav);
    ASSERT_TRUE(fillNameData2Snd());
    EXPECT_EQ(DataOf(FrameArray[1]).mid(2), QByteArray(14, ' ') + char(122) + char(96));
}

TEST_F(NameBlockTest, NoDeviceInUseGivesNoFrames)
{
    ASSERT_TRUE(fillNameData2Snd());
    EXPECT_EQ(FrameArray[0], QByteArray("0"));
    EXPECT_TRUE(FrameArray[1].isEmpty());
}

TEST_F(NameBlockTest, ReceivedNamesAreAlwaysConverted)
{
    DeviceDataArray[4].FactoryName = "004 INPUT      #";
    Receive({NameRecord(4, "#  TED EKOMS 001"), NameRecord(0, "         NEHCTIK"), NameRecord(127, "         NEHCTIK")});
    ASSERT_TRUE(fillNameArray_rcv());
    EXPECT_EQ(DeviceDataArray[4].DeviceName, "001 SMOKE DET  #");
    EXPECT_EQ(DeviceDataArray[4].NameExist, "0");
    EXPECT_EQ(DeviceDataArray[4].FactoryName, "004 INPUT      #");
    EXPECT_TRUE(ProjectLoaded);
}

TEST_F(NameBlockTest, RecordsOutsideTheModelChangeNothing)
{
    MaxNumOfDevices = 50;
    const auto before = DeviceDataArray;
    Receive({NameRecord(0, "         NEHCTIK"), NameRecord(51, "         NEHCTIK")});
    ASSERT_TRUE(fillNameArray_rcv());
    EXPECT_TRUE(DeviceDataArray == before);
    EXPECT_FALSE(ProjectLoaded);
}

TEST_F(NameBlockTest, BadNameRecordChangesNothing)
{
    const auto before = DeviceDataArray;
    for (const QByteArray& bad : {NameRecord(5, "SHORT"), NameRecord(5, QByteArray(17, 'A')), QByteArray()}) {
        Receive({NameRecord(4, "         NEHCTIK"), bad});
        EXPECT_FALSE(fillNameArray_rcv());
        EXPECT_TRUE(TransferError);
        EXPECT_EQ(ErrLocation, QStringLiteral("0x000029"));
        EXPECT_TRUE(DeviceDataArray == before);
    }
}

}  // namespace
