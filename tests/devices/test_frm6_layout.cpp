// What a user sees of the devices window's panels in both languages and both layouts: the type
// panel, the address summary and the names-import help. No control covers another and no
// caption is cut; the heat detector's temperatures read as one number per circle.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

#include "DevicesFixture.h"
#include "devices/frm6NamesAndSettings.h"
#include "devices/frm6NamesAndSettings_TypePanel.h"
#include "mainwindow/LayoutChecks.h"

namespace {

using LayoutChecks::Name;

struct Look {
    int lang;
    bool small;
    QString Tag() const { return QStringLiteral("%1-%2").arg(lang == 1 ? "he" : "en", small ? "small" : "large"); }
};
constexpr Look kLooks[] = {{2, false}, {2, true}, {1, false}, {1, true}};

// The visible controls of a panel that must stand apart; the drawn boxes behind OK and Cancel
// and around the bottom area frame other controls on purpose.
std::vector<QWidget*> Controls(const QWidget* panel)
{
    std::vector<QWidget*> out;
    for (QWidget* c : LayoutChecks::VisibleChildren(panel))
        if (!c->objectName().startsWith(QLatin1String("Shape"))) out.push_back(c);
    return out;
}

// Where an option's circle and its caption are drawn, in its frame.
struct Drawn {
    QRect circle, caption;
};
Drawn DrawnParts(const QRadioButton* b)
{
    QStyleOptionButton o;
    o.initFrom(b);
    o.text = b->text();
    const QStyle* st = b->style();
    const QRect circle = st->subElementRect(QStyle::SE_RadioButtonIndicator, &o, b);
    const QRect contents = st->subElementRect(QStyle::SE_RadioButtonContents, &o, b);
    const int w = b->fontMetrics().horizontalAdvance(b->text());
    const int left = b->isRightToLeft() ? contents.right() + 1 - w : contents.left();
    return {circle.translated(b->pos()), QRect(left, contents.top(), w, contents.height()).translated(b->pos())};
}

// The blank between two rectangles side by side.
int Apart(const QRect& a, const QRect& b) { return std::max(a.left() - b.right(), b.left() - a.right()) - 1; }

class PanelLooksTest : public DevicesFixture {
protected:
    void SetUp() override
    {
        DevicesFixture::SetUp();
        AdminMode = false;
        Put(1, DeviceKind::HeatDetector).AlarmValue = "64";
        Put(2, DeviceKind::Relay);
        for (int a = 3; a <= 10; ++a) Put(a, DeviceKind::SmokeDetector);
    }
    void TearDown() override
    {
        SmallDisplay = false;
        QApplication::setLayoutDirection(Qt::LeftToRight);
        DevicesFixture::TearDown();
    }

    // The window in a look, shown, on its rows view.
    std::unique_ptr<frm6NamesAndSettings> Open(const Look& look)
    {
        UILanguage = int16_t(look.lang);
        SmallDisplay = look.small;
        QApplication::setLayoutDirection(look.lang == 1 ? Qt::RightToLeft : Qt::LeftToRight);
        auto w = std::make_unique<frm6NamesAndSettings>();
        w->show();
        w->Command11->click();
        return w;
    }

    static void ExpectApartAndWhole(const QWidget* panel, const std::vector<std::string>& allowed = {})
    {
        for (const std::string& pair : LayoutChecks::Overlaps(Controls(panel)))
            if (std::find(allowed.begin(), allowed.end(), pair) == allowed.end()) ADD_FAILURE() << "overlap " << pair;
        for (const std::string& cut : LayoutChecks::CutCaptions(panel)) ADD_FAILURE() << "cut " << cut;
        for (const std::string& b : LayoutChecks::ButtonsCut(panel->window())) ADD_FAILURE() << "partly hidden " << b;
    }
};

TEST_F(PanelLooksTest, TheAddressSummaryKeepsItsCloseButtonClearOfTheLines)
{
    for (const Look& look : kLooks) {
        SCOPED_TRACE(look.Tag().toStdString());
        auto w = Open(look);
        w->Command9->click();
        ASSERT_FALSE(w->Picture4->isHidden());
        ExpectApartAndWhole(w->Picture4);
        EXPECT_TRUE(w->Picture4->rect().contains(w->Command17->geometry()));
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

// How many pixels of an option as drawn are of the colour, or dark as a black caption is.
int PixelsOf(QWidget* w, const QColor& c)
{
    const QImage img = w->grab().toImage();
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) n += img.pixelColor(x, y) == c;
    return n;
}
int DarkPixels(QWidget* w)
{
    const QImage img = w->grab().toImage();
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) n += qGray(img.pixel(x, y)) < 0x40;
    return n;
}

// A type the panel does not offer looks so: neither its type colour nor a black caption, which
// the offered ones show.
TEST_F(PanelLooksTest, TypesNotOfferedLookDisabled)
{
    for (const Look& look : kLooks) {
        SCOPED_TRACE(look.Tag().toStdString());
        auto w = Open(look);
        TypePanelControls& p = w->TypePanelView();
        w->EnableDevice[20]->click();
        QRadioButton* offered = p.Option1[6];     // Yellow Call Point, &H00FFFF
        QRadioButton* notOffered = p.Option1[3];  // Smoke/Heat Detector, administrator mode only, &H80FFFF
        ASSERT_TRUE(offered->isEnabled());
        ASSERT_FALSE(notOffered->isEnabled());
        EXPECT_GT(PixelsOf(offered, QColor(0xFF, 0xFF, 0x00)), 0);
        EXPECT_GT(DarkPixels(offered), 0);
        EXPECT_EQ(PixelsOf(notOffered, QColor(0xFF, 0xFF, 0x80)), 0);
        EXPECT_EQ(DarkPixels(notOffered), 0);
        LayoutChecks::Screenshot(*p.Frame2, "types-new-" + look.Tag());
        p.Command13->click();
        // An existing output's type cannot change: every type shows disabled, its own included.
        w->DeviceSettings[2]->click();
        for (int i = 1; i <= 11; ++i) EXPECT_EQ(DarkPixels(p.Option1[size_t(i)]), 0) << i;
        for (int i = 1; i <= 4; ++i) EXPECT_EQ(DarkPixels(p.Option2[size_t(i)]), 0) << i;
        LayoutChecks::Screenshot(*w, "typepanel-relay-" + look.Tag());
        p.Command13->click();
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
