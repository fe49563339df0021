#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "common/ScriptedPrompter.h"
#include "core/Errors.h"
#include "core/FuncMdl.h"
#include "core/MainMdl.h"
#include "platform/Clock.h"

TEST(FuncMdl, BinToHex)
{
    const struct {
        const char* bits;
        const char* hex;
    } cases[] = {
        {"", "0"},          {"0", "0"},         {"00000000", "0"}, {"1", "1"},
        {"00001010", "A"},  {"11111111", "FF"}, {"10000000", "80"}, {"0101", "5"},
        {"1111111111111111", "FFFF"},           {"10000000000000000", "10000"},
        {"102", ""},        {"2", ""},          {"1 0", ""},       {"0x1", ""},
        {"١", ""},  // Arabic-Indic digit one
    };
    for (const auto& c : cases)
        EXPECT_EQ(FuncMdl::BinToHex(QString::fromUtf8(c.bits)), c.hex) << c.bits;
}

TEST(FuncMdl, HexToBin)
{
    const struct {
        const char* hex;
        const char* bits;
    } cases[] = {
        {"0", "0"},     {"00", "0"},          {"5", "101"},       {"80", "10000000"},
        {"ff", "11111111"}, {"Ff", "11111111"}, {"A", "1010"},    {"07", "111"},
        {"7FFF", "111111111111111"},           {"8000", "1000000000000000"},
        {"FFFF", "1111111111111111"},          {"", "0"},
        {"G", ""},      {"1G", ""},           {" 5", ""},         {"-1", ""},
        {"&H5", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FuncMdl::HexToBin(QString::fromUtf8(c.hex)), c.bits) << c.hex;
}

TEST(FuncMdl, EveryByteRoundTrips)
{
    for (int n = 0; n < 256; ++n) {
        const QString hex = QString::number(n, 16).toUpper();
        const QString bits = FuncMdl::HexToBin(hex);
        EXPECT_EQ(bits, QString::number(n, 2)) << n;
        EXPECT_EQ(FuncMdl::BinToHex(QString(8 - bits.size(), '0') + bits), hex) << n;
    }
}

TEST(Errors, EveryCodeNamesItsProcedure)
{
    const struct {
        const char* code;
        const char* name;
    } cases[] = {
        {"0x000000", "NO ERROR"},  {"0x000001", "GetDataSys"},   {"0x000006", "GetHistoryA"},
        {"0x000008", "SetTime"},   {"0x000013", "SetOutGrp"},    {"0x000014", "fillBaudRate2Snd"},
        {"0x000022", "sndCmd"},    {"0x000025", "fillDataSysArray4Verif_rcv"},
        {"0x000028", "fillDeviceDataArray4Verif_rcv"},          {"0x000031", "fillHistoryArray_rcv"},
        {"0x000033", "doChkSumStr"}, {"0x000034", "ChkChkSumStr"},
    };
    ScriptedPrompter noBoxes;
    for (const auto& c : cases)
        EXPECT_EQ(Errors::ErrCode2Name(c.code), c.name) << c.code;
}

TEST(Errors, CodeAndNameAgreeForEveryProcedure)
{
    ScriptedPrompter noBoxes;
    EXPECT_EQ(Errors::Code(Errors::Loc::NoError), "0x000000");
    EXPECT_EQ(Errors::Code(Errors::Loc::SetTime), "0x000008");
    EXPECT_EQ(Errors::Code(Errors::Loc::ChkChkSumStr), "0x000034");
    for (int n = 0; n <= 34; ++n) {
        const QString name = Errors::ErrCode2Name(Errors::Code(static_cast<Errors::Loc>(n)));
        EXPECT_FALSE(name.isEmpty()) << n;
    }
}

TEST(Errors, UnknownCodeShowsTheMessageAndGivesEmptyText)
{
    const char* unknown[] = {"0x00000A", "0x000035", "0x000099", "0X000001", "0x00001",
                             "0x0000011", " 0x000001", "", "0x00001a", "1x000001"};
    for (const char* code : unknown) {
        ScriptedPrompter prompter;
        prompter.Expect("שגיאה שגיאתית", Ui::vbOK);
        EXPECT_EQ(Errors::ErrCode2Name(code), "") << code;
        ASSERT_EQ(prompter.Calls().size(), 1u);
        const Ui::MsgBoxCall& box = prompter.Calls()[0];
        EXPECT_EQ(box.prompt, QStringLiteral("שגיאה שגיאתית"));
        EXPECT_EQ(box.buttons(), Ui::vbOKOnly);
        EXPECT_FALSE(box.rightToLeft());
        EXPECT_TRUE(box.title.isEmpty());
    }
}

class FileUtilities : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    void TearDown() override { QDir::setCurrent(previous); }
    QString Make(const QString& name)
    {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("x\r\n");
        return f.fileName();
    }
    QTemporaryDir dir;
    QString previous = QDir::currentPath();
};

TEST_F(FileUtilities, FileExistsForFilesOnly)
{
    const QString file = Make("Verdal126_1.HV6");
    EXPECT_TRUE(MainMdl::FileExists(file));
    EXPECT_FALSE(MainMdl::FileExists(dir.filePath("Verdal126_2.HV6")));
    EXPECT_FALSE(MainMdl::FileExists(dir.path()));
    EXPECT_FALSE(MainMdl::FileExists(""));
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    EXPECT_TRUE(MainMdl::FileExists("Verdal126_1.HV6"));
}

TEST_F(FileUtilities, FileExistsWithHebrewAndBlanksInTheName)
{
    const QString file = Make(QStringLiteral("פרויקט בית ספר.HV6"));
    EXPECT_TRUE(MainMdl::FileExists(file));
    MainMdl::DeleteFile(file);
    EXPECT_FALSE(QFile::exists(file));
}

TEST_F(FileUtilities, DeleteFileRemovesTheFile)
{
    const QString file = Make("report_G.txt");
    MainMdl::DeleteFile(file);
    EXPECT_FALSE(QFile::exists(file));
}

TEST_F(FileUtilities, DeleteFileThatCannotBeDoneThrows)
{
    EXPECT_THROW(MainMdl::DeleteFile(dir.filePath("missing.txt")), std::runtime_error);
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.HV6"));
    EXPECT_THROW(MainMdl::DeleteFile(dir.filePath("folder.HV6")), std::runtime_error);
    EXPECT_TRUE(QDir(dir.filePath("folder.HV6")).exists());
}

class DelayTest : public ::testing::Test {
protected:
    void SetUp() override { Clock::SetCurrent(&clock); }
    void TearDown() override { Clock::SetCurrent(nullptr); }
    VirtualClock clock;
};

TEST_F(DelayTest, WaitsTheGivenSecondsOnTheCurrentClock)
{
    const double start = clock.Now();
    MainMdl::Delay(2.5);
    EXPECT_DOUBLE_EQ(clock.Now(), start + 2.5);
    MainMdl::Delay(0.02);
    EXPECT_DOUBLE_EQ(clock.Now(), start + 2.52);
}

TEST_F(DelayTest, ZeroNegativeOrNotANumberDoesNotWait)
{
    const double start = clock.Now();
    for (double s : {0.0, -1.0, std::numeric_limits<double>::quiet_NaN()})
        MainMdl::Delay(s);
    EXPECT_DOUBLE_EQ(clock.Now(), start);
}

TEST(DelayReal, NeverReturnsEarly)
{
    RealClock real;
    const double start = real.Now();
    MainMdl::Delay(0.05);
    EXPECT_GE(real.Now() - start, 0.05);
}
