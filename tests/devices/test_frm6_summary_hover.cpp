// The devices window's address summary (opening, counts, colours, places, closing) and the hover
// strip of the map (names, settings, position and address switches under the pointer).
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "ToolsWindowFixture.h"
#include "devices/DeviceColors.h"
#include "platform/ClickLabel.h"
#include "platform/VbColor.h"

namespace {

using ToolsSummaryTest = ToolsWindowTest;

TEST_F(ToolsSummaryTest, OpensOverTheMapWithItsCountsAndClosesBackToIt)
{
    SiteProject();
    frm6NamesAndSettings w;
    DeviceDataArrayEdit[120].BaseType = "6";  // a free record of a known kind: its line, no total
    w.Command9->click();
    EXPECT_TRUE(w.Picture2->isHidden());
    EXPECT_EQ(w.Label4.size(), 1u) << "the map's cells are unloaded";
    EXPECT_FALSE(w.Picture4->isHidden());
    EXPECT_TRUE(w.Picture7->isHidden());
    EXPECT_TRUE(w.VScroll1->isHidden());
    EXPECT_EQ(w.Picture4->geometry(), QRect(0, 0, 900, 525));

    ASSERT_EQ(w.Label12.size(), 12u);
    ASSERT_EQ(w.Label15.size(), 5u);
    EXPECT_EQ(w.Label12[0]->text(), "Addresses");
    EXPECT_EQ(w.Label14[0]->text(), "Addresses");
    EXPECT_EQ(w.Label13[0]->text(), "Total Inputs in System : 97");
    EXPECT_EQ(w.Label15[0]->text(), "Total Outputs in System : 2");
    EXPECT_TRUE(w.Label13[0]->font().bold());
    EXPECT_EQ(VbColor::BackColor(w.Label13[0]), DeviceColors::White);
    const struct {
        std::vector<QLabel*>* counts;
        std::vector<QLabel*>* words;
        int line;
        const char* count;
        const char* word;
    } lines[] = {
        {&w.Label12, &w.Label13, 1, "92", "Smoke Detector"}, {&w.Label12, &w.Label13, 2, "2", "Heat Detector"},
        {&w.Label12, &w.Label13, 8, "4", "4 Zones Card"},    {&w.Label12, &w.Label13, 5, "0", "Red Call Point"},
        {&w.Label14, &w.Label15, 3, "2", "Relay"},           {&w.Label14, &w.Label15, 2, "0", "Extinguish"},
    };
    for (const auto& l : lines) {
        SCOPED_TRACE(l.word);
        QLabel* count = (*l.counts)[size_t(l.line)];
        QLabel* word = (*l.words)[size_t(l.line)];
        EXPECT_EQ(count->text(), l.count);
        EXPECT_EQ(word->text(), l.word);
        EXPECT_FALSE(count->font().bold());
        const int group = l.counts == &w.Label12 ? 1 : 2;
        EXPECT_EQ(VbColor::BackColor(count), *DeviceColorChoose(group, l.line));
        EXPECT_EQ(VbColor::BackColor(word), *DeviceColorChoose(group, l.line));
        if (group == 2) {
            EXPECT_EQ(VbColor::ForeColor(word), DeviceColors::White);
        }
    }
    // Places: twips / 15 inside the panel, lines 550 twips apart.
    EXPECT_EQ(w.Label12[1]->geometry(), QRect(13, 70, 100, 27));
    EXPECT_EQ(w.Label15[4]->geometry(), QRect(583, 180, 303, 27));
    EXPECT_EQ(w.Label13[11]->y(), 437);

    // The close button is there each time the summary opens.
    EXPECT_FALSE(w.Command17->isHidden());
    EXPECT_EQ(w.Command17->text(), "Close");
    // Under the output counts, 150 twips below the last output line, which ends at 3100.
    EXPECT_EQ(w.Command17->geometry(), QRect(463, 217, 100, 25));

    // Pressed again while open: the counts stay as they were.
    ResetModule::ResetDevices(1, 1, 2);
    w.Command9->click();
    EXPECT_EQ(w.Label12[1]->text(), "92");

    w.Command17->click();
    EXPECT_TRUE(w.Picture4->isHidden());
    EXPECT_EQ(w.Label12.size(), 1u);
    EXPECT_EQ(w.Label15.size(), 1u);
    EXPECT_FALSE(w.Picture2->isHidden()) << "back to the map it covered";
    EXPECT_EQ(w.Label4.size(), 127u);

    w.Command9->click();
    EXPECT_FALSE(w.Command17->isHidden());
    EXPECT_EQ(w.Label12[1]->text(), "91");
}

TEST_F(ToolsSummaryTest, OverTheRowsHebrewAndTheSmallScreen)
{
    SiteProject();
    UILanguage = 1;
    SmallDisplay = true;
    frm6NamesAndSettings w;
    w.Command11->click();
    w.Command9->click();
    EXPECT_FALSE(w.Frame1->isHidden()) << "the rows stay under the summary";
    EXPECT_TRUE(w.Picture7->isHidden());
    EXPECT_EQ(w.Picture4->geometry(), QRect(0, 0, 900, 400));
    EXPECT_EQ(w.Label12[0]->text(), QStringLiteral(u"כמות כתובות"));
    EXPECT_EQ(w.Command17->text(), QStringLiteral(u"סגור"));
    EXPECT_EQ(w.Label13[1]->text(), StatSmokeDetector);
    EXPECT_EQ(w.Label13[0]->text(), StatTotalInputs + "97");
    EXPECT_EQ(w.Label12[1]->height(), 20);
    EXPECT_EQ(w.Label12[2]->y() - w.Label12[1]->y(), 30);

    // The names view closes it too; the close button returns to the rows with their tools.
    w.Command11->click();
    EXPECT_TRUE(w.Picture4->isHidden());
    EXPECT_EQ(w.Label13.size(), 1u);
    w.Command9->click();
    w.Command17->click();
    EXPECT_TRUE(w.Picture4->isHidden());
    EXPECT_FALSE(w.Picture7->isHidden());
    EXPECT_FALSE(w.VScroll1->isHidden());
    EXPECT_TRUE(w.Picture2->isHidden());
}

// The switches as drawn, switch 1 first: "1" where the upper box is dark and the lower light.
QString SwitchesOf(const frm6NamesAndSettings& w)
{
    QString s;
    for (size_t k = 0; k < 8; ++k) {
        const bool one = VbColor::BackColor(w.Bit0[k]) == DeviceColors::Black;
        EXPECT_EQ(VbColor::BackColor(w.Bit1[k]), one ? DeviceColors::White : DeviceColors::Black);
        s += one ? '1' : '0';
    }
    return s;
}

// A move of the pointer without a button, delivered as the window system delivers it.
void MoveOver(QWidget* w, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(w->mapToGlobal(at)), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

// Each text of the strip lies inside the window, under none of the lower panel's controls (the
// map reaches under that panel on the small screen), and holds its lines whole.
void ExpectStripReadable(frm6NamesAndSettings& w)
{
    EXPECT_FALSE(w.Picture6->autoFillBackground()) << "the map shows between the panel's controls";
    for (QLabel* l : {w.Label5, w.Label6, w.Label8}) {
        SCOPED_TRACE(l->objectName().toStdString() + ": " + l->text().toStdString());
        const QRect r(l->mapTo(&w, QPoint(0, 0)), l->size());
        EXPECT_TRUE(w.rect().contains(r));
        for (QWidget* c : w.Picture6->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!c->isHidden())
                EXPECT_FALSE(r.intersects(QRect(c->mapTo(&w, QPoint(0, 0)), c->size()))) << c->objectName().toStdString();
        const QRect text = QFontMetrics(l->font()).boundingRect(QRect(0, 0, l->width(), 1000), int(l->alignment()), l->text());
        EXPECT_LE(text.height(), l->height());
        EXPECT_LE(text.width(), l->width());
    }
}

TEST_F(ToolsSummaryTest, TheStripDescribesTheCellUnderThePointer)
{
    SiteProject();
    frm6NamesAndSettings w;
    Show(w);
    EXPECT_EQ(w.DipSWNumbers->text(), "1     2     3     4     5     6     7     8");
    EXPECT_EQ(w.picDipSW->geometry(), QRect(7, 440, 223, 77));
    EXPECT_EQ(w.Label5->geometry(), QRect(243, 440, 200, 77));
    EXPECT_EQ(w.Label8->geometry(), QRect(670, 440, 220, 77));
    EXPECT_EQ(SwitchesOf(w), "00000000");

    // The pointer moved by the window system onto the first address of the relay.
    QTest::mouseMove(w.windowHandle(), w.Label4[9]->mapTo(&w, QPoint(20, 20)));
    EXPECT_EQ(w.Label5->text(), "Factory name\n009 RELAY OUT  #\nDevice name\nBELL");
    EXPECT_EQ(w.Label6->text(), "Immediate activation\nUp to RESET");
    EXPECT_EQ(w.Label8->text(), "2 addresses device\nfirst address (9-10)");
    EXPECT_EQ(SwitchesOf(w), "10010001") << "address 9, and switch 8 for a device of two addresses";
    ExpectStripReadable(w);

    MoveOver(w.Label4[10], QPoint(5, 5));
    EXPECT_EQ(w.Label8->text(), "2 addresses device\nsecond address (9-10)");
    EXPECT_EQ(SwitchesOf(w), "10010001");

    MoveOver(w.Label4[62], QPoint(5, 5));
    EXPECT_EQ(w.Label8->text(), "4 addresses device\naddress 3 (60-63)");
    EXPECT_EQ(w.Label6->text(), "");
    EXPECT_EQ(SwitchesOf(w), "00111100");

    MoveOver(w.Label4[41], QPoint(5, 5));
    EXPECT_EQ(w.Label6->text(), "Temperature 58");
    EXPECT_EQ(w.Label8->text(), "1 address device");
    EXPECT_EQ(SwitchesOf(w), "10010101") << "41, and switch 8 for a heat detector";

    // The edge of a cell is not inside it.
    MoveOver(w.Label4[1], QPoint(0, 5));
    EXPECT_EQ(w.Label6->text(), "Temperature 58");

    const struct {
        int address;
        const char* switches;
    } patterns[] = {{1, "10000000"}, {85, "10101010"}, {126, "01111110"}};
    for (const auto& p : patterns) {
        MoveOver(w.Label4[size_t(p.address)], QPoint(5, 5));
        EXPECT_EQ(SwitchesOf(w), p.switches) << p.address;
    }
    EXPECT_EQ(w.Label5->text(), "Device 126 not exist");
    EXPECT_EQ(w.Label6->text(), "");
    EXPECT_EQ(w.Label8->text(), "");

    // A name in its box, not yet stored, shows at once.
    w.NewName[5]->setText("TYPED");
    MoveOver(w.Label4[5], QPoint(5, 5));
    EXPECT_EQ(w.Label5->text(), "Factory name\n005 SMOKE DET  #\nDevice name\nTYPED");

    // The map's background clears the strip.
    QTest::mouseMove(w.windowHandle(), w.Picture2->mapTo(&w, QPoint(3, 100)));
    EXPECT_EQ(w.Label5->text(), "");
    EXPECT_EQ(w.Label8->text(), "");
    EXPECT_EQ(SwitchesOf(w), "00000000");

    // A map built afresh empties the texts and keeps the switches.
    MoveOver(w.Label4[9], QPoint(5, 5));
    w.Command11->click();
    w.Command10->click();
    EXPECT_EQ(w.Label5->text(), "");
    EXPECT_EQ(w.Label6->text(), "");
    EXPECT_EQ(SwitchesOf(w), "10010001");
    MoveOver(w.Label4[9], QPoint(5, 5));
    EXPECT_EQ(w.Label6->text(), "Immediate activation\nUp to RESET") << "the new cells report the pointer too";
}

TEST_F(ToolsSummaryTest, HebrewStripOnTheSmallScreen)
{
    SiteProject();
    UILanguage = 1;
    SmallDisplay = true;
    DeviceDataArray[3].AlarmValue = "20";
    DeviceDataArray[9].TimeDelayUp2ON = "15";
    DeviceDataArray[9].offTypeAfterON = "1";
    DeviceDataArray[9].OutOnTimes = "15";
    frm6NamesAndSettings w;
    EXPECT_EQ(w.picDipSW->geometry(), QRect(7, 400, 223, 77));
    EXPECT_EQ(w.Label5->geometry(), QRect(243, 400, 200, 75));
    // The longest texts: a relay with a delay and an on time, and a part of a four-zone card.
    w.Label4_MouseMove(9, 5, 5);
    EXPECT_EQ(w.Label6->text(), QStringLiteral(u"השהייה לפני פעולה : 120 שניות\nזמן פעולה : 120 שניות"));
    ExpectStripReadable(w);
    w.Label4_MouseMove(62, 5, 5);
    ExpectStripReadable(w);
    w.Label4_MouseMove(3, 5, 5);
    EXPECT_EQ(w.Label5->text(), QStringLiteral(u"שם ברירת המחדל\n") + w.FactoryName[3]->text() + QStringLiteral(u"\nשם של ההתקן\nDEVICE 3"));
    EXPECT_EQ(w.Label6->text(), QStringLiteral(u"רגישות גבוהה (H)"));
    EXPECT_EQ(w.Label8->text(), QStringLiteral(u"כרטיס בעל כתובות 1 בלבד"));
    w.Label4_MouseMove(110, 5, 5);
    EXPECT_EQ(w.Label5->text(), QStringLiteral(u"התקן מספר 110 לא קיים במערכת"));

    // The same texts in the big layout's larger type.
    SmallDisplay = false;
    frm6NamesAndSettings big;
    for (int a : {9, 62}) {
        big.Label4_MouseMove(a, 5, 5);
        ExpectStripReadable(big);
    }
}

}  // namespace
