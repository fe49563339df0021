// Each report window on the sample project, in both languages, against the golden files: the
// list lines, the report file's bytes and the export file's bytes (Windows-1255, CR LF).
// VD_UPDATE_GOLDEN=1 rewrites the golden files from the program's output.
#include <gtest/gtest.h>

#include <QDir>
#include <QListWidget>
#include <QPushButton>

#include "ReportFixture.h"
#include "platform/TextCodec.h"
#include "reports/frmGroups.h"
#include "reports/frmHistory.h"
#include "reports/frmView.h"
#include "reports/frmView2.h"
#include "tests/common/ScriptedPrompter.h"

namespace {

using namespace ReportTest;

QString GoldenPath(const QString& name) { return QStringLiteral(REPORTS_GOLDEN_DIR "/") + name; }

void CheckGolden(const QString& name, const QByteArray& actual)
{
    const QString path = GoldenPath(name);
    if (qEnvironmentVariableIntValue("VD_UPDATE_GOLDEN") == 1) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
        f.write(actual);
        return;
    }
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << "missing golden file " << path.toStdString();
    const QByteArray expected = f.readAll();
    EXPECT_EQ(actual, expected) << name.toStdString() << " differs; as written:\n"
                                << TextCodec::FromCp1255(actual).toStdString();
}

QStringList ListLines(const QListWidget& list)
{
    QStringList lines;
    for (int i = 0; i < list.count(); ++i) lines << list.item(i)->text();
    return lines;
}

struct Case {
    const char* name;
    std::function<std::unique_ptr<frmReport>()> make;
    const char* exportName;  // golden name of the export, with %1 for the language
};

class GoldenTest : public ReportFixture, public ::testing::WithParamInterface<int> {};

TEST_P(GoldenTest, EveryReportMatchesItsGoldenFiles)
{
    const int16_t lang = int16_t(GetParam());
    const QString l = lang == 1 ? QStringLiteral("he") : QStringLiteral("en");
    languages::SetLanguage(lang);
    FillSampleProject();

    const Case cases[] = {
        {"groups", [] { return std::make_unique<frmGroups>(); }, "names-%1.export.txt"},
        {"history", [] { return std::make_unique<frmHistory>(); }, "history.export.txt"},
        {"names", [] { return std::make_unique<frmView>(); }, "names-%1.export.txt"},
        {"settings", [] { return std::make_unique<frmView2>(); }, "names-%1.export.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedPrompter prompter;
        std::unique_ptr<frmReport> w = c.make();
        w->show();
        CheckGolden(QStringLiteral("%1-%2.list.txt").arg(QLatin1String(c.name), l), Lines(ListLines(*w->NewList)).toUtf8());
        prompter.Expect(Ui::vbOK);
        w->saveLogCmd->click();
        CheckGolden(QStringLiteral("%1-%2.file.txt").arg(QLatin1String(c.name), l), ProjectFixture::Bytes(w->TxtFilePath));
        w->Command1->click();
        const QString exportPath = QDir(folder).entryList({QStringLiteral("*Excel.txt")}, QDir::Files).value(0);
        ASSERT_FALSE(exportPath.isEmpty());
        CheckGolden(QString::fromLatin1(c.exportName).arg(l), ProjectFixture::Bytes(folder + exportPath));
        QFile::remove(folder + exportPath);
        w->hide();
    }
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, GoldenTest, ::testing::Values(1, 2),
                         [](const auto& info) { return info.param == 1 ? std::string("Hebrew") : std::string("English"); });

}  // namespace
