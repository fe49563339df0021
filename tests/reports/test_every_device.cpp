// The names-and-settings window lists every device of the project, the smoke/heat detector
// among them: on the screen, in the report file and in the export, in both languages (on paper:
// test_printed_text.cpp).
#include <gtest/gtest.h>

#include <memory>

#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>

#include "ReportFixture.h"
#include "platform/TextCodec.h"
#include "reports/frmView2.h"
#include "tests/common/ScriptedPrompter.h"

namespace {

using namespace ReportTest;

class EveryDeviceTest : public ReportFixture, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override
    {
        ReportFixture::SetUp();
        lang = int16_t(GetParam());
        languages::SetLanguage(lang);
        FillSmokeAndSmokeHeat();
        window = std::make_unique<frmView2>();
        window->show();
    }
    QStringList ListLines() const
    {
        QStringList lines;
        for (int i = 0; i < window->NewList->count(); ++i) lines << window->NewList->item(i)->text();
        return lines;
    }
    QString DeviceLine() const { return SmokeHeatLine(lang); }
    QString Total() const { return SmokeHeatTotal(lang); }

    int16_t lang = 2;
    std::unique_ptr<frmView2> window;  // made in the language of the test
    ScriptedPrompter prompter;
};

TEST_P(EveryDeviceTest, TheScreenListsTwoDevicesForTwoAddressesInUse)
{
    const QStringList lines = ListLines();
    EXPECT_EQ(lines.filter(QRegularExpression(QStringLiteral("^\\d{3} "))).size(), 2);
    EXPECT_TRUE(lines.contains(DeviceLine()));
    EXPECT_TRUE(lines.contains(Total()));
}

TEST_P(EveryDeviceTest, TheReportFileHoldsTheSection)
{
    prompter.Expect(Ui::vbOK);
    window->saveLogCmd->click();
    const QStringList file = TextCodec::FromCp1255(ProjectFixture::Bytes(window->TxtFilePath)).split(QStringLiteral("\r\n"));
    EXPECT_TRUE(file.contains(DeviceLine()));
    EXPECT_TRUE(file.contains(Total()));
}

TEST_P(EveryDeviceTest, TheExportNamesBothDevices)
{
    window->Command1->click();
    const QByteArray bytes = ProjectFixture::Bytes(folder + QStringLiteral("Site-Excel.txt"));
    const QStringList lines = TextCodec::FromCp1255(bytes).split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines.value(1), QStringLiteral("002\tLOBBY           \t") + DeviceLine().left(16));
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, EveryDeviceTest, ::testing::Values(1, 2),
                         [](const auto& info) { return info.param == 1 ? std::string("Hebrew") : std::string("English"); });

}  // namespace
