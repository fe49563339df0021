#include "panellink/PortChoice.h"

#include <gtest/gtest.h>

#include "panellink/LinkFixture.h"
#include "common/ScriptedPrompter.h"
#include "platform/MemoryPort.h"

namespace {

class PortChoiceTest : public LinkTest {
protected:
    // A port whose catalog holds the given descriptions under the given numbers.
    static void Describe(MemoryPort& port, std::vector<std::pair<int, QString>> ports)
    {
        std::vector<PortEntry> entries;
        for (const auto& [n, d] : ports) entries.push_back({n, QStringLiteral("/dev/x%1").arg(n), d});
        port.SetCatalog(PortCatalog(entries));
    }
    static QStringList Texts(const PortSearchResult& r)
    {
        QStringList t;
        for (const ComboEntry& e : r.ComNumCmbo) t << e.text;
        return t;
    }
};

TEST_F(PortChoiceTest, DescriptionRule)
{
    const struct {
        const char* description;
        bool usual, anywhere;
    } cases[] = {
        {"USB Serial Port", true, true},
        {"Prolific USB-to-Serial Comm Port", true, true},
        {"USB Serial", true, true},          // "Serial" ends the text
        {"USBSerial", true, true},
        {"Serial USB", false, true},         // Serial before USB
        {"USB Serial Port (pseudo-terminal /dev/pts/7)", true, true},
        {"usb serial port", false, false},   // case matters
        {"Communications Port (/dev/ttyS0)", false, false},
        {"USB Modem", false, false},
        {"USerial", false, true},            // no "USB" at all
        {"", false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DescriptionMatches(QString::fromUtf8(c.description), false), c.usual) << c.description;
        EXPECT_EQ(DescriptionMatches(QString::fromUtf8(c.description), true), c.anywhere) << c.description;
    }
}

TEST_F(PortChoiceTest, AutomaticSearchTakesTheFirstAdapterManualTheLast)
{
    MemoryPort port;
    Describe(port, {{1, "Communications Port (/dev/ttyS0)"}, {3, "USB Serial Port (FT232R)"}, {4, "USB Serial Port (CP2102)"}});
    PortSearchFlags flags;
    std::vector<int> progress;
    auto r = FindComPort(port, flags, [&](int v) { progress.push_back(v); });
    EXPECT_EQ(ComPortNum, QStringLiteral("3"));
    EXPECT_EQ(port.CommPort, 3);
    EXPECT_EQ(r.Label13, QStringLiteral("(COM3)"));
    EXPECT_EQ(r.Label15, QStringLiteral("COM3"));
    // The automatic search ends at the first match, so port 4 is not listed.
    EXPECT_EQ(Texts(r), QStringList({"COM1-Communications Port (/dev/ttyS0)", "COM3-USB Serial Port (FT232R)"}));
    EXPECT_EQ(r.ListIndex, 1);
    EXPECT_EQ(r.ComNumCmbo[1].port, 3);
    EXPECT_EQ(progress, (std::vector<int>{3, 6, 100, 0}));

    flags.ManualSearch = true;
    r = FindComPort(port, flags);
    EXPECT_EQ(ComPortNum, QStringLiteral("4"));
    EXPECT_EQ(r.ComNumCmbo.size(), 3u);
    EXPECT_EQ(r.ListIndex, 2);
    EXPECT_FALSE(flags.ManualSearch);
}

TEST_F(PortChoiceTest, NothingFound)
{
    MemoryPort port;
    Describe(port, {{2, "Serial USB"}, {7, "Communications Port (/dev/ttyS1)"}});
    PortSearchFlags flags;
    ScriptedPrompter prompter;
    prompter.Expect(QStringLiteral("Cable USB-RS232 not connected to PC"), Ui::vbOK);
    auto r = FindComPort(port, flags);
    EXPECT_EQ(ComPortNum, QStringLiteral("0"));
    EXPECT_EQ(port.CommPort, 0);
    EXPECT_EQ(r.Label13, QStringLiteral("---"));
    EXPECT_TRUE(r.Label15.isEmpty());
    EXPECT_EQ(r.ListIndex, -1);
    EXPECT_EQ(r.ComNumCmbo.size(), 2u);

    // Picking port 7 by hand shows COM7; the search label stays "---".
    EXPECT_EQ(ComNumCmbo_Click(port, r.ComNumCmbo[1]), QStringLiteral("COM7"));
    EXPECT_EQ(ComPortNum, QStringLiteral("7"));
    EXPECT_EQ(port.CommPort, 7);

    // Serial anywhere finds "Serial USB", once.
    flags.SerialAnywhere = true;
    r = FindComPort(port, flags);
    EXPECT_EQ(ComPortNum, QStringLiteral("2"));
    EXPECT_FALSE(flags.SerialAnywhere);
}

TEST_F(PortChoiceTest, NotFoundMessageFollowsTheLanguage)
{
    MemoryPort port;
    Describe(port, {});
    PortSearchFlags flags;
    Fresh(1);
    {
        ScriptedPrompter prompter;
        prompter.Expect(QStringLiteral("כבל USB-RS232 לא מחובר למחשב"), Ui::vbOK);
        FindComPort(port, flags);
        EXPECT_TRUE(prompter.Calls().at(0).rightToLeft());
    }
    UILanguage = 3;
    FindComPort(port, flags);   // no message at all
}

TEST_F(PortChoiceTest, PortsAbove30AreNeverListed)
{
    MemoryPort port;
    Describe(port, {{31, "USB Serial Port"}, {30, "Communications Port"}});
    PortSearchFlags flags;
    ScriptedPrompter prompter;
    prompter.Expect(Ui::vbOK);
    const auto r = FindComPort(port, flags);
    EXPECT_EQ(Texts(r), QStringList({"COM30-Communications Port"}));
}

TEST_F(PortChoiceTest, EntryKeepsItsNumberWhateverTheText)
{
    MemoryPort port;
    const ComboEntry entry{QStringLiteral("COM12-Prolific"), 12};
    EXPECT_EQ(ComNumCmbo_Click(port, entry), QStringLiteral("COM12"));
    EXPECT_EQ(ComPortNum, QStringLiteral("12"));
}

TEST_F(PortChoiceTest, OpeningUsesComSettingsAndReportsFailure)
{
    MemoryPort port;
    ComPortNum = "1";
    ComSettings = "57600,N,8,1";
    ASSERT_TRUE(setPortOpen(port));
    EXPECT_EQ(port.openedWith, QStringList({"57600,N,8,1"}));
    setPortClose(port);
    EXPECT_FALSE(port.PortOpen());

    port.failOpenMessage = QStringLiteral("Port COM1 is in use by another program.");
    ScriptedPrompter prompter;
    prompter.Expect(QStringLiteral("in use by another program"), Ui::vbOK);
    EXPECT_FALSE(setPortOpen(port));
    EXPECT_TRUE(TransferError);

    ComPortNum = "5";   // not in the catalog
    port.failOpenMessage.clear();
    prompter.Expect(QStringLiteral("COM5 does not exist"), Ui::vbOK);
    EXPECT_FALSE(setPortOpen(port));
}

}  // namespace
