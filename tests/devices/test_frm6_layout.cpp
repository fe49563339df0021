// What a user sees of the devices window's panels in both languages and both layouts: the type
// panel, the address summary, the names-import help and the range fill's types. No control covers
// another and no caption is cut; each option's circle stands by its own caption.
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "PanelLooksFixture.h"
#include "devices/frm6NamesAndSettings_TypePanel.h"
#include "platform/Controls.h"

using namespace PanelLooks;
using LayoutChecks::Name;

namespace {

// Where a label draws its text, in its parent.
QRect TextOf(const QLabel* l)
{
    const QSize size(l->fontMetrics().horizontalAdvance(l->text()), l->fontMetrics().height());
    return QStyle::alignedRect(l->layoutDirection(), l->alignment(), size, l->contentsRect()).translated(l->pos());
}

// The close button keeps its designed place where the lines leave it free (the small layout), and
// moves under the output counts only where the output lines reach down to it (the large layout).
// Either way it covers no output line and no line's text.
TEST_F(PanelLooksTest, TheAddressSummaryKeepsItsCloseButtonClearOfTheLines)
{
    using Controls::Px;
    for (const Look& look : kLooks) {
        SCOPED_TRACE(look.Tag().toStdString());
        auto w = Open(look);
        w->Command9->click();
        ASSERT_FALSE(w->Picture4->isHidden());
        const QRect button = w->Command17->geometry();
        const QRect designed(Px(6525), Px(3000), Px(1500), Px(375));
        ASSERT_EQ(w->Label14.size(), 5u);
        const QRect lastOutput = w->Label14[4]->geometry();
        if (look.small) {
            EXPECT_EQ(button, designed);
        } else {
            EXPECT_TRUE(designed.intersects(lastOutput)) << "the designed place would cover the last output line";
            EXPECT_GT(button.top(), lastOutput.bottom());
            EXPECT_GE(button.left(), lastOutput.left());
            EXPECT_LE(button.right(), lastOutput.right());
        }
        for (const auto* column : {&w->Label14, &w->Label15})
            for (const QLabel* l : *column) EXPECT_FALSE(button.intersects(l->geometry())) << Name(l);
        for (const auto* column : {&w->Label12, &w->Label13, &w->Label14, &w->Label15})
            for (const QLabel* l : *column) EXPECT_FALSE(button.intersects(TextOf(l))) << Name(l);
        EXPECT_TRUE(w->Picture4->rect().contains(button));
        // The designed place lies on the input words' right edge, clear of their centred text.
        std::vector<std::string> onWordsEdge;
        for (const QLabel* l : w->Label13) {
            onWordsEdge.push_back("Command17 / " + Name(l));
            onWordsEdge.push_back(Name(l) + " / Command17");
        }
        ExpectApartAndWhole(w->Picture4, onWordsEdge);
        LayoutChecks::Screenshot(*w, "summary-" + look.Tag());
    }
}

TEST_F(PanelLooksTest, TheNamesHelpCoversOnlyTheRowsView)
{
    for (const Look& look : kLooks) {
        SCOPED_TRACE(look.Tag().toStdString());
        auto w = Open(look);
        w->Command14->click();
        ASSERT_FALSE(w->Picture8->isHidden());
        const QRect help = w->Picture8->geometry();
        // It lies over the rows, and leaves the tools and the counter under the rows in sight.
        EXPECT_TRUE(w->Frame1->geometry().contains(help));
        for (QWidget* panel : {static_cast<QWidget*>(w->Picture6), static_cast<QWidget*>(w->Picture7)})
            for (QWidget* c : LayoutChecks::VisibleChildren(panel))
                EXPECT_FALSE(LayoutChecks::InWindow(c).intersects(help)) << Name(c);
        ExpectApartAndWhole(w->Picture8);
        // Its text, which wraps, shows whole above its button.
        QLabel* text = w->Label18;
        EXPECT_LE(text->heightForWidth(text->width()), text->height());
        LayoutChecks::Screenshot(*w, "help-" + look.Tag());
    }
}

// Thirteen temperatures share one row: each number stands by its own circle, clearly nearer to it
// than to the next one, and the row runs in the window's direction, as each option does.
TEST_F(PanelLooksTest, EachTemperatureStandsByItsOwnCircle)
{
    for (const Look& look : kLooks) {
        SCOPED_TRACE(look.Tag().toStdString());
        auto w = Open(look);
        TypePanelControls& p = w->TypePanelView();
        w->DeviceSettings[1]->click();
        const auto& options = p.SettingsOption[1];
        ASSERT_GE(options.size(), 14u);
        EXPECT_EQ(options[1]->x() > options[13]->x(), look.lang == 1);
        for (int k = 1; k <= 13; ++k) {
            const Drawn own = DrawnParts(options[size_t(k)]);
            int nearestOther = 1 << 20;
            for (int j = 1; j <= 13; ++j)
                if (j != k) nearestOther = std::min(nearestOther, Apart(own.caption, DrawnParts(options[size_t(j)]).circle));
            EXPECT_GE(nearestOther, 3 * Apart(own.caption, own.circle)) << options[size_t(k)]->text().toStdString();
        }
        p.Command13->click();
    }
}

// The range fill's three types share a short row: each circle stands by its own caption, and a
// clear blank parts it from the next option, in the window's reading direction as much as the other.
TEST_F(PanelLooksTest, EachRangeTypeStandsByItsOwnCaption)
{
    for (const Look& look : kLooks) {
        SCOPED_TRACE(look.Tag().toStdString());
        auto w = Open(look);
        ASSERT_TRUE(w->Picture7->isVisible());
        for (int k = 0; k < 3; ++k) {
            const QRadioButton* b = w->Option8[size_t(k)];
            const Drawn own = DrawnParts(b);
            const int ownGap = Apart(own.circle, own.caption);
            // The caption follows its circle in the reading direction.
            EXPECT_EQ(own.caption.left() > own.circle.left(), look.lang == 2) << Name(b);
            for (int j = 0; j < 3; ++j) {
                if (j == k) continue;
                const Drawn other = DrawnParts(w->Option8[size_t(j)]);
                const int toOther = std::min(Apart(own.circle, other.caption), Apart(own.caption, other.circle));
                EXPECT_GE(toOther, 6) << Name(b) << " and " << Name(w->Option8[size_t(j)]);
                EXPECT_GE(toOther, 2 * ownGap) << Name(b) << " and " << Name(w->Option8[size_t(j)]);
            }
            // Under the range boxes and their OK, clear of the bulk buttons beside them.
            EXPECT_GE(b->x(), w->Text10->x()) << Name(b);
            EXPECT_LE(b->geometry().right(), w->Command6->geometry().right()) << Name(b);
        }
        ExpectApartAndWhole(w->Picture7);
        LayoutChecks::Screenshot(*w->Picture7, "tools-" + look.Tag());
    }
}

TEST_F(PanelLooksTest, EveryTypeOfTheTypePanelStandsApartAndWhole)
{
    for (const Look& look : kLooks) {
        SCOPED_TRACE(look.Tag().toStdString());
        auto w = Open(look);
        TypePanelControls& p = w->TypePanelView();
        // The previous and next buttons stand on the heading's two ends, which its text keeps clear of.
        const std::vector<std::string> onHeading{"Label9 / Command16", "Label9 / Command15"};
        const auto check = [&](const QString& shot) {
            ExpectApartAndWhole(w->Picture3, onHeading);
            for (int f = 1; f <= 5; ++f)
                if (!p.SettingsFrame[size_t(f)]->isHidden()) ExpectApartAndWhole(p.SettingsFrame[size_t(f)]);
            ExpectApartAndWhole(p.Frame2);
            ExpectApartAndWhole(p.Frame3);
            if (!shot.isEmpty()) LayoutChecks::Screenshot(*w, shot + "-" + look.Tag());
        };
        w->EnableDevice[20]->click();
        ASSERT_FALSE(w->Picture3->isHidden());
        check("typepanel-new");
        for (int i = 1; i <= 11; ++i)
            if (p.Option1[size_t(i)]->isEnabled()) p.Option1[size_t(i)]->click(), check(QString());
        for (int i = 1; i <= 4; ++i)
            if (p.Option2[size_t(i)]->isEnabled()) p.Option2[size_t(i)]->click(), check(i == 1 ? "typepanel-output" : "");
        p.Command13->click();
        w->DeviceSettings[1]->click();
        check("typepanel-heat");
        LayoutChecks::Screenshot(*p.SettingsFrame[1], "temperatures-" + look.Tag());
        p.Command13->click();
    }
}

}  // namespace
