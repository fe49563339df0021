// The names-and-settings report: header and occupancy, section order and presence, the setting
// texts it forms itself, and the totals of every section.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "ReportFixture.h"
#include "core/ProjectWhole.h"
#include "reports/NamesSettingsReport.h"

namespace {

using namespace ReportTest;

class NamesSettingsTest : public ReportFixture {
protected:
    QStringList Report(int16_t lang = 2, const Regional& r = FixedRegional()) { return NamesSettingsReport::Lines(lang, r); }
    // The lines that begin with "----- " (the totals), in order.
    QStringList Totals(int16_t lang = 2, const Regional& r = FixedRegional())
    {
        return Report(lang, r).filter(QRegularExpression("^----- "));
    }
    void Devices(int kind, const std::vector<int>& cards, int from = 1)
    {
        for (size_t i = 0; i < cards.size(); ++i) Put({from + int(i), kind, cards[i], QString(), {}});
    }
};

TEST_F(NamesSettingsTest, AnEmptyProjectHasHeaderOccupancyAndRulersOnly)
{
    EXPECT_EQ(Report(2), QStringList({"Project name:Site", "Date:  24/03/2025", "Names and settings ", "",
                                      "Unavailable addresses : 0", "Available addresses  : 126", QString(26, u'-'),
                                      QString(26, u'-')}));
    const QStringList he = Report(1);
    EXPECT_EQ(he.mid(0, 6), QStringList({QStringLiteral("שם הפרוייקט: Site"), QStringLiteral("תאריך: 24/03/2025"),
                                         QStringLiteral("שמות והגדרות התקנים"), "", QStringLiteral("כתובות תפוסות : 0"),
                                         QStringLiteral("כתובות פנויות : 126")}));
    EXPECT_EQ(he.mid(6), QStringList({QString(19, u'-'), QString(19, u'-')}));
}

TEST_F(NamesSettingsTest, SectionsFollowTheFixedOrderWhateverTheAddresses)
{
    using namespace DeviceKind;
    // Kinds at addresses in the reverse of the report's order, the smoke/heat detector last.
    const int kinds[] = {LineRelay, Relay, Output, Extinguish, InputDevice, FourZoneCard, TwoInputCard,
                         AlarmFaultCard, BeamCard, YellowCallPoint, RedCallPoint, ConventionalDetector,
                         HeatDetector, SmokeDetector, SmokeHeatDetector};
    for (int i = 0; i < 15; ++i) Put({10 + i, kinds[i], kinds[i] == TwoInputCard ? 2 : 1, QString(), {}});
    QStringList factoryOrder;
    for (const QString& l : Report()) {
        if (l.size() > 4 && l[0].isDigit() && l[3] == u' ') factoryOrder << l.left(3);
    }
    EXPECT_EQ(factoryOrder, QStringList({"023", "022", "024", "021", "020", "019", "018", "017", "016", "015", "014",
                                         "013", "012", "011", "010"}));
    EXPECT_TRUE(Report().contains("Unavailable addresses : 15"));
    const QStringList totals = Totals();
    EXPECT_EQ(totals.first(), "----- Total smoke detectors   : 1");
    EXPECT_EQ(totals.last(), "----- Total On-Line relays            : 1");
}

// Every device of the project has its line: as many device lines as addresses in use.
TEST_F(NamesSettingsTest, EveryDeviceInUseHasItsLine)
{
    languages::SetLanguage(2);
    FillSampleProject();
    for (int16_t lang : {1, 2}) {
        const QStringList lines = Report(lang);
        const int deviceLines = int(lines.filter(QRegularExpression("^\\d{3} ")).size());
        EXPECT_EQ(deviceLines, ProjectWhole::AddressesInUse(DeviceDataArray)) << lang;
    }
}

// The smoke/heat detector's section stands after the heat detectors', headed and totalled as
// theirs: its name and its groups.
TEST_F(NamesSettingsTest, SmokeHeatDetectorsHaveTheirSectionAfterTheHeatDetectors)
{
    using namespace DeviceKind;
    const struct {
        int16_t lang;
        QStringList section;
    } cases[] = {
        {2,
         {"Factory name    \tDevice name     \tGroups      ", "002 S/H DET    #\tLOBBY           \t        3,12",
          "009 S/H DET    #\t0               \t   Not found", "", "----- Total smoke/heat detectors: 2", "", "",
          "Factory name    \tDevice name     \tGroups      "}},
        {1,
         {QStringLiteral("שם ברירת המחדל  \tשם ההתקן        \tקבוצות הפעלה"),
          QStringLiteral("002 גלאי משולב #\tLOBBY           \t        3,12"),
          QStringLiteral("009 גלאי משולב #\t0               \t     לא נמצא"), "",
          QStringLiteral("----- סה''כ גלאים משולבים       : 2"), "", "", QStringLiteral("שם ברירת המחדל  \tשם ההתקן        \tקבוצות הפעלה")}},
    };
    for (const auto& c : cases) {
        languages::SetLanguage(c.lang);
        ResetModule::ResetDevices(1, 126, 1);
        Put({1, SmokeDetector, 1, "KITCHEN", {1}});
        Put({2, SmokeHeatDetector, 1, "LOBBY", {3, 12}});
        Put({5, HeatDetector, 1, "STORE", {2}});
        Put({7, RedCallPoint, 1, "DOOR", {}});
        Put({9, SmokeHeatDetector, 1, QString(), {}});
        const QStringList lines = Report(c.lang);
        const qsizetype heat = lines.indexOf(QRegularExpression("005 .*"));  // a whole line
        ASSERT_GT(heat, 0) << c.lang;
        EXPECT_EQ(lines.mid(heat + 5, c.section.size()), c.section) << c.lang;
        EXPECT_EQ(lines.value(heat + 5 + c.section.size()).left(4), "007 ") << "the red call points follow";
    }
}

TEST_F(NamesSettingsTest, AKindWithoutAnOccupiedAddressLeavesNoTrace)
{
    Put({5, DeviceKind::RedCallPoint, 1, "ONLY", {}});
    const QStringList lines = Report();
    ASSERT_EQ(lines.size(), 8 + 6);
    EXPECT_EQ(lines.mid(8), QStringList({"Factory name    \tDevice name     \tGroups      ",
                                         "005 RED BUTTON #\tONLY            \t   Not found", "",
                                         "----- Total red call-points: 1", "", ""}));
}

TEST_F(NamesSettingsTest, SensitivityThresholdsVerificationAndTemperature)
{
    High2Medium = 40;
    Medium2Low = 80;
    const std::pair<const char*, const char*> values[] = {{"039", "HIGH"}, {"040", "MEDIUM"}, {"080", "MEDIUM"}, {"081", "LOW"}};
    int a = 1;
    for (const auto& v : values) Put({a++, DeviceKind::SmokeDetector, 1, QString(), {}}).AlarmValue = v.first;
    DeviceDataArray[1].DeviceNeedVer = "1";
    DeviceDataArray[2].DeviceNeedVer = "0";
    DeviceDataArray[3].DeviceNeedVer = "5";
    Put({10, DeviceKind::HeatDetector, 1, QString(), {}}).AlarmValue = "058";
    const QStringList lines = Report();
    for (int i = 0; i < 4; ++i) {
        const QStringList f = lines[9 + i].split('\t');
        EXPECT_EQ(f[2], QString(values[i].second).rightJustified(12)) << values[i].first;
    }
    EXPECT_EQ(lines[9].split('\t')[3], "         YES");
    EXPECT_EQ(lines[10].split('\t')[3], "          NO");
    EXPECT_EQ(lines[11].split('\t')[3], QString(12, u' '));
    EXPECT_TRUE(lines.contains("010 HEAT DET   #\t0               \t    58 °C   \t   Not found"));
    EXPECT_TRUE(Report(1).filter(QStringLiteral("    58 מעלות")).size() == 1);
}

TEST_F(NamesSettingsTest, AlarmFaultCardTotals)
{
    const struct {
        std::vector<int> cards;
        QStringList totals;
    } cases[] = {
        {{1, 1}, {"----- Total 1 address Alarm/Fault cards  : 2"}},
        {{2, 3, 2, 3}, {"----- Total 2 address Alarm/Fault cards  : 2"}},
        {{1, 2, 3}, {"----- Total 1 address Alarm/Fault cards  : 1", "----- Total 2 address Alarm/Fault cards  : 1"}},
        // A pair cut in half by a damaged file still counts what is there.
        {{2}, {"----- Total 2 address Alarm/Fault cards  : 0.5"}},
    };
    for (const auto& c : cases) {
        ResetModule::ResetDevices(1, 126, 1);
        Devices(DeviceKind::AlarmFaultCard, c.cards);
        EXPECT_EQ(Totals(), c.totals);
    }
    const QStringList lines = Report();
    EXPECT_EQ(lines[9], QString(75, u'-')) << "the heading of this section alone is ruled";
}

// A device on one address is the same device whether it stands on position 1 or 0: the same
// lines and the same totals, beside a two-address device of its kind, in both languages.
TEST_F(NamesSettingsTest, PositionZeroIsTheSinglePosition)
{
    using namespace DeviceKind;
    for (int kind : {AlarmFaultCard, Extinguish, Output, Relay}) {
        for (int16_t lang : {1, 2}) {
            languages::SetLanguage(lang);
            QStringList reports[2];
            for (int single : {0, 1}) {
                ResetModule::ResetDevices(1, 126, 1);
                Devices(kind, {single, 2, 3, single});
                reports[single] = Report(lang);
            }
            EXPECT_EQ(reports[0], reports[1]) << "kind " << kind << " language " << lang;
        }
    }
    languages::SetLanguage(2);
    // The counts themselves, as on position 1.
    ResetModule::ResetDevices(1, 126, 1);
    Devices(AlarmFaultCard, {0, 2, 3});
    Devices(Output, {0}, 10);
    Devices(Relay, {0, 0}, 20);
    Devices(Extinguish, {0}, 30);
    EXPECT_EQ(Totals(), QStringList({"----- Total 1 address Alarm/Fault cards  : 1", "----- Total 2 address Alarm/Fault cards  : 1",
                                      "----- Total 1 address extinguish cards                   : 1",
                                      "----- Total 1 address outputs (not extinguish)        : 1",
                                      "----- Total 1 address relays cards   : 2"}));
}

TEST_F(NamesSettingsTest, CardTotalsAreQuotientsWithTheSystemsDecimalSeparator)
{
    Devices(DeviceKind::TwoInputCard, {2, 3, 2});
    Devices(DeviceKind::FourZoneCard, {0, 1, 2, 3}, 10);
    EXPECT_EQ(Totals(), QStringList({"----- Total 2 inputs cards  : 1.5", "----- Total 4 inputs cards   : 1"}));
    Regional comma = FixedRegional();
    comma.decimalPoint = ",";
    EXPECT_EQ(Totals(1, comma),
              QStringList({QStringLiteral("----- סה''כ כרטיסי 2 מבואות : 1,5"), QStringLiteral("----- סה''כ כרטיסי 4 אזורים  : 1")}));
}

TEST_F(NamesSettingsTest, OutputSideTotalsAreWrittenOnlyWhenCounted)
{
    using namespace DeviceKind;
    Put({1, Extinguish, 2, QString(), {}});
    Put({2, Output, 3, QString(), {}});  // the output of the extinguish card
    Put({3, Output, 2, QString(), {}});
    Put({4, Output, 3, QString(), {}});  // second address of an output card: not counted
    Put({5, Relay, 1, QString(), {}});
    EXPECT_EQ(Totals(), QStringList({"----- Total 2 addresses cards with extinguish output     : 1",
                                      "----- Total 2 addresses outputs (not extinguish)      : 1",
                                      "----- Total outputs from cards with first EXT address : 1",
                                      "----- Total 1 address relays cards   : 1"}));
    EXPECT_EQ(Totals(1), QStringList({QStringLiteral("----- סה''כ כרטיסי מוצאים כ-2 כתובות וכתובת ראשונה כיבוי : 1"),
                                       QStringLiteral("----- סה''כ כרטיסי מוצאים (לא ככיבוי) כ-2 כתובות      : 1"),
                                       QStringLiteral("----- סה''כ מוצאים מתוך כרטיסים עם בתובת ראשונה כיבוי : 1"),
                                       QStringLiteral("----- סה''כ כרטיסי ממסרים ככתובת 1   : 1")}));
}

TEST_F(NamesSettingsTest, ExtinguishDelayAndInputWorkMode)
{
    DeviceRecord& ext = Put({1, DeviceKind::Extinguish, 1, QString(), {}});
    DeviceRecord& in = Put({2, DeviceKind::InputDevice, 1, QString(), {}});
    const struct {
        const char* dly;
        const char* code;
        const char* text;
    } delays[] = {{"0", "08", "NO"}, {"1", "01", "0"}, {"1", "02", "15"}, {"1", "04", "30"}, {"1", "08", "45"}, {"3", "08", ""}};
    for (const auto& d : delays) {
        ext.DlyB4ON = d.dly;
        ext.TimeDelayUp2ON = d.code;
        EXPECT_TRUE(Report().filter(QRegularExpression("^001 ")).value(0).endsWith("\t" + QString(d.text).rightJustified(12)))
            << d.dly << " " << d.code;
    }
    in.IsNotUseInAlarm = "0";
    EXPECT_TRUE(Report().filter(QRegularExpression("^002 ")).value(0).contains("\t       ALARM\t"));
    in.IsNotUseInAlarm = "7";
    EXPECT_TRUE(Report().filter(QRegularExpression("^002 ")).value(0).contains("\t SUPERVISION\t"));
    EXPECT_TRUE(Report(1).filter(QRegularExpression("^002 ")).value(0).contains(QStringLiteral("\t       פיקוח\t")));
}

TEST_F(NamesSettingsTest, TheOtherLanguageKeepsNumbersAndWidths)
{
    languages::SetLanguage(2);
    FillSampleProject();
    const QStringList en = Report(2), he = Report(1);
    ASSERT_EQ(en.size(), he.size());
    for (int i = 0; i < en.size(); ++i) {
        const QStringList a = en[i].split('\t'), b = he[i].split('\t');
        ASSERT_EQ(a.size(), b.size()) << i;
        if (a.size() > 1) {
            for (int k = 0; k < a.size(); ++k) EXPECT_EQ(a[k].size(), b[k].size()) << "line " << i << " field " << k;
        }
        static const QRegularExpression number("\\d+(\\.\\d+)?$");
        if (en[i].startsWith("----- ")) {
            EXPECT_EQ(number.match(en[i]).captured(), number.match(he[i]).captured()) << en[i].toStdString();
        }
    }
}

}  // namespace
