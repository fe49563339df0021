// The port controls of the main window: the search at load and on demand, the list of ports and
// the manual pick, the list of the machine's ports, the COM settings panel and its Fast/Slow pair.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

#include "platform/VbColor.h"
#include "test_admin_fixture.h"

namespace {

// A pseudo-terminal named in VERDAL_EXTRA_PORTS, as the panel simulator offers itself.
class PtyPortTest : public AdminWindowTest {
protected:
    void SetUp() override
    {
        AdminWindowTest::SetUp();
        master_ = posix_openpt(O_RDWR | O_NOCTTY);
        ASSERT_GE(master_, 0);
        ASSERT_EQ(grantpt(master_), 0);
        ASSERT_EQ(unlockpt(master_), 0);
        path = QString::fromLocal8Bit(ptsname(master_));
        qputenv(PortCatalog::ExtraPortsVariable, path.toLocal8Bit());
    }
    void TearDown() override
    {
        qunsetenv(PortCatalog::ExtraPortsVariable);
        if (master_ >= 0) ::close(master_);
        AdminWindowTest::TearDown();
    }

    // This machine as the tests see it: one on-board port and the extra paths of the environment.
    static PortCatalog OnBoardAndExtra()
    {
        return PortCatalog::Build({{"/dev/ttyS0", ""}}, qEnvironmentVariable(PortCatalog::ExtraPortsVariable)
                                                           .split(':', Qt::SkipEmptyParts));
    }

    QString path;

private:
    int master_ = -1;
};

using PortTest = AdminWindowTest;

QStringList Entries(const QComboBox* c)
{
    QStringList e;
    for (int i = 0; i < c->count(); ++i) e.append(c->itemText(i) + " #" + c->itemData(i).toString());
    return e;
}

}  // namespace

TEST_F(PtyPortTest, TheSearchAtLoadChoosesTheExtraPseudoTerminal)
{
    const auto previous = frm4Main::SetPortCatalogSource(OnBoardAndExtra);
    frm4Main w;
    frm4Main::SetPortCatalogSource(previous);
    EXPECT_EQ(Entries(w.ComNumCmbo), (QStringList{"COM1-Communications Port (/dev/ttyS0) #1",
                                                  "COM2-USB Serial Port (pseudo-terminal " + path + ") #2"}));
    EXPECT_EQ(w.ComNumCmbo->currentIndex(), 1);
    EXPECT_EQ(w.Label13->text(), "(COM2)");
    EXPECT_EQ(w.Label15->text(), "COM2");
    EXPECT_EQ(ComPortNum, "2");
    EXPECT_EQ(w.comPort->CommPort, 2);
    EXPECT_EQ(w.ActivMsgLbl->text(), "");
    EXPECT_TRUE(w.TakesInput());
    EXPECT_EQ(w.StatBar->value(), 0);
    EXPECT_TRUE(prompter.Calls().empty());

    // The transfer steps open the port the search chose.
    ComSettings = "9600,N,8,1";
    ASSERT_TRUE(w.setPortOpen()) << w.comPort->LastError().toStdString();
    EXPECT_TRUE(w.comPort->PortOpen());
    w.setPortClose();
    EXPECT_FALSE(w.comPort->PortOpen());
}

TEST_F(PtyPortTest, TheMachinesOwnCatalogListsTheExtraPort)
{
    const auto previous = frm4Main::SetPortCatalogSource(nullptr);
    frm4Main w;
    frm4Main::SetPortCatalogSource(previous);
    const int n = w.ComNumCmbo->findText(path, Qt::MatchContains);
    ASSERT_GE(n, 0);
    const int port = w.ComNumCmbo->itemData(n).toInt();
    EXPECT_EQ(w.comPort->Catalog().Path(port), path);
    EXPECT_TRUE(prompter.Calls().empty()) << "the pseudo-terminal reads as an adapter";
}

TEST_F(PortTest, NoAdapterSaysSoAndKeepsTheListForAManualPick)
{
    ports = {{1, "/dev/ttyS0", "Communications Port (/dev/ttyS0)"}, {7, "/dev/ttyS7", "Communications Port (/dev/ttyS7)"}};
    prompter.Expect("Cable USB-RS232 not connected to PC", Ui::vbOK);
    frm4Main w;
    EXPECT_EQ(w.Label13->text(), "---");
    EXPECT_EQ(w.Label15->text(), "");
    EXPECT_EQ(ComPortNum, "0");
    EXPECT_EQ(w.comPort->CommPort, 0);
    EXPECT_EQ(w.ComNumCmbo->count(), 2);
    EXPECT_EQ(w.ComNumCmbo->currentIndex(), -1);

    // Picking port 7 by hand.
    w.ComNumCmbo->setFocus();
    QTest::keyClick(w.ComNumCmbo, Qt::Key_Down);
    QTest::keyClick(w.ComNumCmbo, Qt::Key_Down);
    ASSERT_EQ(w.ComNumCmbo->currentIndex(), 1);
    EXPECT_EQ(w.Label15->text(), "COM7");
    EXPECT_EQ(w.Label13->text(), "---");
    EXPECT_EQ(ComPortNum, "7");
    EXPECT_EQ(w.comPort->CommPort, 7);
    EXPECT_FALSE(w.comPort->PortOpen());
}

TEST_F(PortTest, TheAutomaticSearchTakesTheFirstAdapterTheManualSearchTheLast)
{
    ports = {{3, "/dev/ttyUSB0", "USB Serial Port (A)"}, {5, "/dev/ttyUSB1", "Prolific USB-to-Serial Comm Port"}};
    frm4Main w;
    EXPECT_EQ(w.Label13->text(), "(COM3)");
    EXPECT_EQ(w.ComNumCmbo->currentIndex(), 0);
    w.ComNumCmbo->hide();
    w.FindMyCOM->click();
    EXPECT_TRUE(w.ComNumCmbo->isVisibleTo(&w));
    EXPECT_EQ(w.Label13->text(), "(COM5)");
    EXPECT_EQ(w.Label15->text(), "COM5");
    EXPECT_EQ(w.ComNumCmbo->currentIndex(), 1);
    EXPECT_FALSE(w.ManualSearch);

    // An adapter plugged in later is found by the next search.
    ports.push_back({9, "/dev/ttyUSB2", "USB Serial Port (C)"});
    w.FindMyCOM->click();
    EXPECT_EQ(w.Label13->text(), "(COM9)");
    EXPECT_EQ(w.ComNumCmbo->count(), 3);
    EXPECT_TRUE(prompter.Calls().empty());
}

TEST_F(PortTest, TheSerialAnywhereSearchOfTheAdministrator)
{
    ports = {{4, "/dev/ttyUSB0", "Serial USB adapter"}};
    prompter.Expect("Cable USB-RS232 not connected to PC", Ui::vbOK);
    frm4Main w;
    EXPECT_EQ(ComPortNum, "0");
    w.Command14->click();
    EXPECT_EQ(ComPortNum, "4");
    EXPECT_EQ(w.Label13->text(), "(COM4)");
    EXPECT_FALSE(w.SerialAnywhere);
    prompter.Expect("Cable USB-RS232 not connected to PC", Ui::vbOK);
    w.FindMyCOM->click();  // an ordinary search again
    EXPECT_EQ(ComPortNum, "0");
}

TEST_F(PortTest, TheDeviceManagerButtonListsTheMachinesPorts)
{
    ports = {{1, "/dev/ttyS0", "Communications Port (/dev/ttyS0)"}, {2, "/dev/ttyUSB0", "USB Serial Port (FT232R, /dev/ttyUSB0)"}};
    frm4Main w;
    prompter.Expect(Ui::vbOK);
    w.DeviceMngrOpen->click();
    EXPECT_EQ(prompter.Calls().back().prompt,
              "Serial ports of this computer:\rCOM1   /dev/ttyS0   Communications Port (/dev/ttyS0)"
              "\rCOM2   /dev/ttyUSB0   USB Serial Port (FT232R, /dev/ttyUSB0)");
    EXPECT_EQ(prompter.Calls().back().title, "Device manager");

    ports.clear();
    UILanguage = 1;
    prompter.Expect(QStringLiteral("לא נמצאו יציאות תקשורת במחשב"), Ui::vbOK);
    w.DeviceMngrOpen->click();
    EXPECT_TRUE(prompter.Calls().back().rightToLeft());
}

TEST_F(PortTest, TheFastSlowPairsAlwaysShowTheSameChoice)
{
    frm4Main w;
    EXPECT_TRUE(w.ManualDelays[0]->isChecked()) << "the load selects Fast";
    EXPECT_TRUE(w.Option1[0]->isChecked());
    w.ManualDelays[1]->click();
    EXPECT_TRUE(w.Option1[1]->isChecked());
    for (const auto* pair : {&w.ManualDelays, &w.Option1}) {
        EXPECT_EQ(VbColor::BackColor((*pair)[1]), 0xC0FFC0u);
        EXPECT_NE(VbColor::BackColor((*pair)[0]), 0xC0FFC0u);
    }
    w.Option1[0]->click();
    EXPECT_TRUE(w.ManualDelays[0]->isChecked());
    EXPECT_EQ(VbColor::BackColor(w.ManualDelays[0]), 0xC0FFC0u);
    EXPECT_NE(VbColor::BackColor(w.Option1[1]), 0xC0FFC0u);
}

TEST_F(PortTest, TheComSettingsPanelOpensAndClosesAndThePortCloseButtonSaysSo)
{
    UILanguage = 1;
    frm4Main w;
    w.ComSettings->click();
    EXPECT_TRUE(w.Picture2->isVisibleTo(&w));
    EXPECT_EQ(w.Picture2->pos(), QPoint(620, 298));
    EXPECT_EQ(w.Option1[0]->text(), QStringLiteral("קצב מהיר"));
    EXPECT_EQ(w.Option1[1]->text(), QStringLiteral("קצב איטי"));
    w.ComSettings->click();
    EXPECT_FALSE(w.Picture2->isVisibleTo(&w));
    w.ComSettings->click();
    w.CloseComSet->click();
    EXPECT_FALSE(w.Picture2->isVisibleTo(&w));

    prompter.Expect("Port closed", Ui::vbOK);
    w.Command11->click();
    EXPECT_FALSE(w.comPort->PortOpen());
    EXPECT_EQ(w.comPort->CommPort, 1);
}
