// A port that does not open says why, and what to do, in the interface language: Hebrew boxes
// right to left with the port names left to right inside them; the permission advice follows
// what the device file allows its group.
#include <sys/stat.h>

#include <QFile>
#include <QTemporaryDir>

#include "panellink/LinkMessages.h"
#include "panellink/PortChoice.h"
#include "platform/PortMessages.h"
#include "platform/SComm.h"
#include "test_operations_support.h"

namespace {

bool HasHebrew(const QString& s)
{
    for (QChar c : s)
        if (c.unicode() >= 0x05D0 && c.unicode() <= 0x05EA) return true;
    return false;
}

class PortMessagesTest : public OperationsTest {
protected:
    void TearDown() override
    {
        SerialSComm::SetOpenCheck(nullptr);
        OperationsTest::TearDown();
    }

    // A device file of the test's own with these permission bits.
    QString Device(mode_t mode)
    {
        const QString path = dir.path() + QStringLiteral("/ttyUSB%1").arg(devices++);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.close();
        EXPECT_EQ(::chmod(path.toLocal8Bit().constData(), mode), 0);
        return path;
    }

    QTemporaryDir dir;
    int devices = 0;
};

}  // namespace

TEST_F(PortMessagesTest, APortThatDoesNotOpenSaysWhyInTheInterfaceLanguage)
{
    struct Case {
        int16_t lang;
        const char* comPort;
        OpenFault fault;
        const char* expected;
        const char* portName;  // as the box names the port
    };
    const Case cases[] = {
        {2, "5", OpenFault::None, "Port COM5 does not exist. Connect the USB-RS232 cable", "COM5"},
        {1, "5", OpenFault::None, "אינה קיימת. יש לחבר את כבל", "COM5"},
        {2, "1", OpenFault::Busy, "Port COM1 (memory:1) is in use by another program.", "COM1 (memory:1)"},
        {1, "1", OpenFault::Busy, "תפוסה על ידי תוכנה אחרת", "COM1 (memory:1)"},
        {1, "0", OpenFault::None, "לא נבחרה יציאת תקשורת", ""},
    };
    for (const Case& c : cases) {
        UILanguage = c.lang;
        ComPortNum = c.comPort;
        port.failOpenMessage = c.fault == OpenFault::None ? QString() : QStringLiteral("held");
        port.failOpenFault = c.fault;
        ScriptedPrompter prompter;
        prompter.Expect(QString::fromUtf8(c.expected), Ui::vbOK);
        TransferError = false;
        EXPECT_FALSE(setPortOpen(port)) << c.expected;
        EXPECT_TRUE(TransferError);
        ASSERT_EQ(prompter.Calls().size(), 1u) << c.expected;
        const Ui::MsgBoxCall& box = prompter.Calls().back();
        EXPECT_EQ(box.rightToLeft(), c.lang == 1) << c.expected;
        EXPECT_EQ(HasHebrew(box.prompt), c.lang == 1) << box.prompt.toStdString();
        // Inside Hebrew the port's name keeps its own direction.
        const QString name = QString::fromUtf8(c.portName);
        if (!name.isEmpty()) EXPECT_TRUE(box.prompt.contains(c.lang == 1 ? Ui::LeftToRight(name) : name)) << box.prompt.toStdString();
    }
}

TEST_F(PortMessagesTest, ATransferStepThatCannotOpenThePortSaysSoInHebrewOnce)
{
    UILanguage = 1;
    port.failOpenMessage = QStringLiteral("held");
    port.failOpenFault = OpenFault::Busy;
    ScriptedPrompter prompter;
    prompter.Expect(QStringLiteral("תפוסה על ידי תוכנה אחרת"), Ui::vbOK);
    ops.engine().GetDataSys();
    EXPECT_TRUE(TransferError);
    ASSERT_EQ(prompter.Calls().size(), 1u);
    EXPECT_TRUE(prompter.Calls()[0].rightToLeft());
}

TEST_F(PortMessagesTest, PermissionAdviceFollowsWhatTheDeviceAllowsItsGroup)
{
    const QString shared = Device(0660), own = Device(0600), writeOnly = Device(0620);
    const QString group = DeviceGroup(shared);
    for (bool hebrew : {false, true}) {
        const QString join = OpenFaultText(hebrew, OpenFault::NotPermitted, 3, shared);
        EXPECT_TRUE(join.contains(QStringLiteral("sudo usermod -aG ") + group + QStringLiteral(" $USER"))) << join.toStdString();
        EXPECT_FALSE(join.contains(QStringLiteral("0660"))) << join.toStdString();
        for (const QString& path : {own, writeOnly}) {
            const QString change = OpenFaultText(hebrew, OpenFault::NotPermitted, 3, path);
            EXPECT_FALSE(change.contains(QStringLiteral("usermod"))) << "joining the group would not help";
            EXPECT_TRUE(change.contains(path == own ? QStringLiteral("0600") : QStringLiteral("0620"))) << change.toStdString();
            EXPECT_TRUE(change.contains(QStringLiteral("0660"))) << "what the device needs";
            EXPECT_TRUE(change.contains(QStringLiteral("\"") + (hebrew ? Ui::LeftToRight(group) : group) + QStringLiteral("\"")))
                << change.toStdString();
        }
        EXPECT_EQ(HasHebrew(join), hebrew);
    }
    EXPECT_TRUE(OpenFaultText(false, OpenFault::NotPermitted, 3, own).contains("no read and write access (mode 0600)"));
    // A device that cannot be examined gets the usual advice for its group.
    EXPECT_TRUE(OpenFaultText(false, OpenFault::NotPermitted, 3, dir.path() + "/gone").contains("usermod -aG dialout"));
}

TEST_F(PortMessagesTest, APermissionRefusalOnA0600DeviceSaysSoInTheBox)
{
    // Tests run as root, which no permission stops: the refusal is simulated, the file is real.
    const QString path = Device(0600);
    SerialSComm serial;
    serial.SetCatalog(PortCatalog({{1, path, QStringLiteral("USB Serial Port (test)")}}));
    SerialSComm::SetOpenCheck([&](const QString& p) { return p == path ? OpenFault::NotPermitted : OpenFault::None; });
    ComPortNum = "1";
    for (int16_t lang : {2, 1}) {
        UILanguage = lang;
        ScriptedPrompter prompter;
        prompter.Expect(lang == 1 ? QStringLiteral("אין הרשאה לפתוח את היציאה") : QStringLiteral("No permission to open port"),
                        Ui::vbOK);
        EXPECT_FALSE(setPortOpen(serial));
        ASSERT_EQ(prompter.Calls().size(), 1u);
        const QString text = prompter.Calls()[0].prompt;
        EXPECT_TRUE(text.contains(QStringLiteral("0600"))) << text.toStdString();
        EXPECT_FALSE(text.contains(QStringLiteral("usermod"))) << text.toStdString();
        EXPECT_EQ(prompter.Calls()[0].rightToLeft(), lang == 1);
    }
    // The serial control's own words stay English, for logs and bench output.
    EXPECT_TRUE(serial.LastError().startsWith(QStringLiteral("No permission to open port COM1")));
}
