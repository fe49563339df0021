// A panel whose memory contradicts itself: the download makes the project whole, one warning
// after it names every place changed, and the project then uploads back to the same panel.
#include <random>

#include <gtest/gtest.h>

#include "core/ProjectWhole.h"
#include "panellink/UploadCheck.h"
#include "test_operations_support.h"

namespace {

using panelsim::PanelMemory;

class DownloadWholeTest : public OperationsTest {};

PanelMemory HostilePanel()
{
    PanelMemory m;
    m.devices[3] = QByteArray::fromHex("035F001000004040010000000000");   // an input in group 1
    m.devices[10] = QByteArray::fromHex("0A4D002000006363000000000000");  // a relay's first half, 11 free
    m.devices[20] = QByteArray::fromHex("144D003000006363000000000000");  // a relay's second half alone
    m.devices[30] = QByteArray::fromHex("1E53000000004040000000000000");  // a four-zone card's first part alone
    m.devices[40] = QByteArray::fromHex("2825001000006363000000000000");  // an output
    // Group 1 says one output but lists two; group 2 lists the input at 3 and a free address.
    m.groups[1] = {1, 1, {40, 0xC9, 0, 0, 0, 0}};
    m.groups[2] = {0, 2, {3, 77, 0, 0, 0, 0}};
    m.nightStartHour = 78;  // no hour of a day
    return m;
}

// The download's warning says the values came from the system, never from the project file.
class DownloadWarningHeadingTest : public DownloadWholeTest, public ::testing::WithParamInterface<int16_t> {};

TEST_P(DownloadWarningHeadingTest, IsHeadedAsValuesReadFromTheSystem)
{
    const bool hebrew = GetParam() == 1;
    UILanguage = GetParam();
    Connect(HostilePanel());
    prompter.Expect(Ui::vbYes);
    prompter.Expect(Ui::vbOK);
    prompter.Expect(Ui::vbOK);
    ops.Download2PC_Click();
    ASSERT_EQ(prompter.Pending(), 0) << Prompts().join(" | ").toStdString();
    const Ui::MsgBoxCall& warning = prompter.Calls().back();
    EXPECT_EQ(warning.title, hebrew ? QStringLiteral("אזהרה") : QStringLiteral("Warning"));
    EXPECT_EQ(warning.prompt.split("\r\n").front(),
              hebrew ? QStringLiteral("חלק מהערכים שנקראו מהבקרה לא היו תקינים או לא התאימו זה לזה, והוחלפו או הוסרו:")
                     : QStringLiteral("Some values read from the system were invalid or did not agree with each "
                                      "other, and were replaced or removed:"));
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, DownloadWarningHeadingTest, ::testing::Values<int16_t>(2, 1));

TEST_F(DownloadWholeTest, AHostilePanelsDownloadIsWholeNamedAndUploadsBack)
{
    Connect(HostilePanel());
    prompter.Expect("Is the system in computer connection mode?", Ui::vbYes);
    prompter.Expect("Data transfer completed successfully", Ui::vbOK);
    prompter.Expect("Addresses: 10, 20, 30\r\nSystem settings\r\nGroups: 1, 2", Ui::vbOK);
    ops.Download2PC_Click();
    ASSERT_EQ(prompter.Pending(), 0) << Prompts().join(" | ").toStdString();
    EXPECT_EQ(prompter.Calls().back().title, "Warning");

    EXPECT_FALSE(ProjectWhole::CheckProject().any());
    EXPECT_FALSE(FirstUnencodableRecord().has_value());
    EXPECT_EQ(DeviceDataArray[10].CardAddr.str(), "01") << "the relay stays, as a single relay";
    EXPECT_EQ(DeviceDataArray[20].CardAddr.str(), "01");
    EXPECT_EQ(DeviceDataArray[30].Exist.str(), "0") << "a four-zone card cannot stand on one address";
    EXPECT_EQ(OutGrpArray[1].OutCount.str(), "2");
    EXPECT_EQ(OutGrpArray[2].OutCount.str(), "0");
    EXPECT_EQ(NightStart.str(), "0000");
    EXPECT_EQ(view.label16, "1") << "group 1 alone has an input and an output";
    EXPECT_EQ(NumOfActiveGroups, 1);

    // Sent to a panel with an empty loop list: the verification there finds only addresses to add,
    // no conflict. (The hostile panel itself still reports its relay at 10 as a two-address one,
    // which the verification rightly calls a conflict.)
    Connect(PanelMemory{});
    prompter.Expect("Is the system in computer connection mode?", Ui::vbYes);
    prompter.Expect("Data transfer completed successfully", Ui::vbOK);
    prompter.Expect("Do not forget", Ui::vbOK);
    ops.Upload2Sys_Click();
    ASSERT_EQ(prompter.Pending(), 0) << Prompts().join(" | ").toStdString();
    EXPECT_FALSE(TransferError);
    EXPECT_EQ(panel->Memory().groups[1].count, 2);
    EXPECT_EQ(panel->Memory().nightStartHour, 0);
}

TEST_F(DownloadWholeTest, AWholePanelsDownloadWarnsOfNothing)
{
    PanelMemory m;
    m.devices[3] = QByteArray::fromHex("035F001000004040010000000000");
    m.devices[40] = QByteArray::fromHex("2825001000006363000000000000");
    m.groups[1] = {1, 1, {40, 0, 0, 0, 0, 0}};
    Connect(m);
    prompter.Expect("Is the system in computer connection mode?", Ui::vbYes);
    prompter.Expect("Data transfer completed successfully", Ui::vbOK);
    ops.Download2PC_Click();
    EXPECT_EQ(prompter.Pending(), 0);
    EXPECT_EQ(prompter.Calls().size(), 2u) << Prompts().join(" | ").toStdString();
    EXPECT_EQ(NumOfActiveGroups, 1);
}

// The warning names what this download changed, never what an earlier one did.
TEST_F(DownloadWholeTest, ASoundPanelReadAfterAHostileOneWarnsOfNothing)
{
    Connect(HostilePanel());
    prompter.Expect("Is the system in computer connection mode?", Ui::vbYes);
    prompter.Expect("Data transfer completed successfully", Ui::vbOK);
    prompter.Expect("Addresses: 10, 20, 30", Ui::vbOK);
    ops.Download2PC_Click();
    ASSERT_EQ(prompter.Pending(), 0) << Prompts().join(" | ").toStdString();

    PanelMemory m;
    m.devices[3] = QByteArray::fromHex("035F001000004040010000000000");
    m.devices[40] = QByteArray::fromHex("2825001000006363000000000000");
    m.groups[1] = {1, 1, {40, 0, 0, 0, 0, 0}};
    Connect(m);
    const size_t before = prompter.Calls().size();
    prompter.Expect("Is the system in computer connection mode?", Ui::vbYes);
    prompter.Expect("will replace the data in the project", Ui::vbOK);
    prompter.Expect("Data transfer completed successfully", Ui::vbOK);
    ops.Download2PC_Click();
    EXPECT_EQ(prompter.Pending(), 0);
    EXPECT_EQ(prompter.Calls().size(), before + 3) << Prompts().join(" | ").toStdString();
    EXPECT_EQ(DeviceDataArray[10].Exist.str(), "0");
    EXPECT_EQ(NumOfActiveGroups, 1);
}

}  // namespace

namespace {

// Random panel memory: records of random bytes (their own address kept), random groups and night
// bytes. A download either completes whole or fails and keeps the project as it was.
TEST_F(DownloadWholeTest, RandomPanelsDownloadWholeOrNotAtAll)
{
    std::mt19937 rng(5000);
    auto byte = [&] { return uint8_t(rng() & 0xFF); };
    int completed = 0;
    // Whatever boxes a random panel brings (a communication error, the warning) are answered.
    QStringList prompts;
    Ui::SetPrompter([&](const Ui::MsgBoxCall& c) {
        prompts << c.prompt;
        return int(Ui::vbYes);
    });
    for (int run = 0; run < 120; ++run) {
        SCOPED_TRACE(run);
        ResetModule::ResetProject(true);
        PanelMemory m;
        for (int a = 1; a <= 126; ++a) {
            if (rng() % 3) continue;
            QByteArray r(14, '\0');
            for (char& c : r) c = char(byte());
            r[0] = char(a);
            r[8] = char(rng() % 5);  // mostly a group count the decoder takes
            for (int k = 9; k < 13; ++k) r[k] = char(rng() % 32);
            m.devices[a] = r;
        }
        for (int g = 1; g <= 32; ++g) {
            m.groups[g].trigger = uint8_t(rng() % 5);
            m.groups[g].count = uint8_t(rng() % 7);
            for (uint8_t& o : m.groups[g].outputs) o = rng() % 2 ? uint8_t(rng() % 127) : byte();
        }
        m.nightStartHour = byte();
        m.nightFinishMinute = byte();
        Connect(m);
        prompts.clear();
        ops.Download2PC_Click();
        if (prompts.join('|').contains("Data transfer completed successfully")) ++completed;
        EXPECT_FALSE(ProjectWhole::CheckProject().any()) << prompts.join('|').toStdString();
        EXPECT_FALSE(FirstUnencodableRecord().has_value());
        if (HasFailure()) break;
    }
    EXPECT_GT(completed, 30) << "most random panels are read";
}

}  // namespace
