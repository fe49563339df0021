// How the type panel shows its types, read from the type options' palettes and as drawn: on the
// new-device panel the types not offered are faded with grey captions; on an existing device's
// panel every type but its own is grey with a black caption, its own white; and every option's
// circle stands out from its type colour.
#include <cstdlib>

#include <QGroupBox>
#include <QPalette>

#include "PanelLooksFixture.h"
#include "devices/DeviceColors.h"
#include "devices/frm6NamesAndSettings_TypePanel.h"
#include "platform/VbColor.h"

using namespace PanelLooks;
using LayoutChecks::Name;

namespace {

QColor Rgb(uint32_t bgr) { return VbColor::ToQColor(bgr); }

// The colours an option shows in its present state.
struct Shown {
    QColor back, caption;
};
Shown ShownBy(const QRadioButton* b)
{
    const QPalette::ColorGroup g = b->isEnabled() ? QPalette::Active : QPalette::Disabled;
    return {b->palette().color(g, QPalette::Window), b->palette().color(g, QPalette::WindowText)};
}

// Every type option of the panel with its group and index.
struct Option {
    QRadioButton* button;
    int group, index;
};
std::vector<Option> TypeOptions(TypePanelControls& p)
{
    std::vector<Option> out;
    for (int i = 1; i <= 11; ++i) out.push_back({p.Option1[size_t(i)], 1, i});
    for (int i = 1; i <= 4; ++i) out.push_back({p.Option2[size_t(i)], 2, i});
    return out;
}

// The panel of a free address, not in administrator mode: the types not offered are faded,
// neither in their type colour nor with a black or white caption; the offered ones keep both.
TEST_F(PanelLooksTest, TypesNotOfferedForANewDeviceLookFaded)
{
    for (const Look& look : kLooks) {
        SCOPED_TRACE(look.Tag().toStdString());
        auto w = Open(look);
        TypePanelControls& p = w->TypePanelView();
        w->EnableDevice[20]->click();
        // Smoke/Heat Detector, 2 Inputs Card and Line Relay are for the administrator only.
        const std::vector<QRadioButton*> notOffered{p.Option1[3], p.Option1[11], p.Option2[4]};
        for (const Option& o : TypeOptions(p)) {
            const bool offered = std::find(notOffered.begin(), notOffered.end(), o.button) == notOffered.end();
            const QColor type = Rgb(*DeviceColorChoose(o.group, o.index));
            const Shown s = ShownBy(o.button);
            EXPECT_EQ(o.button->isEnabled(), offered) << Name(o.button);
            if (offered) {
                if (!o.button->isChecked()) EXPECT_EQ(s.back, type) << Name(o.button);
                EXPECT_GT(PixelsOf(o.button, s.back), 0) << Name(o.button);
                EXPECT_GT(o.group == 1 || o.button->isChecked() ? DarkPixels(o.button) : PixelsOf(o.button, Qt::white), 0)
                    << Name(o.button);
                continue;
            }
            EXPECT_EQ(s.caption, Rgb(0x808080)) << Name(o.button);
            EXPECT_NE(s.back, type) << Name(o.button);
            EXPECT_EQ(PixelsOf(o.button, type), 0) << Name(o.button);
            EXPECT_EQ(DarkPixels(o.button), 0) << Name(o.button);
        }
        LayoutChecks::Screenshot(*p.Frame2, "types-new-" + look.Tag());
        p.Command13->click();
    }
}

// The panel of an existing device: its type cannot change, so every option is disabled, yet the
// options show the colours of an existing device's panel and not the faded look: the device's
// own type white, the others grey &HC0C0C0, every caption black. A smoke or heat detector may
// be switched to the other of the two, which keep their type colours.
TEST_F(PanelLooksTest, AnExistingDevicesTypesAreGreyWithBlackCaptions)
{
    struct Case {
        const char* what;
        int address;
        int ownGroup, ownIndex;
    };
    const Case cases[] = {{"relay", 2, 2, 3}, {"heat detector", 1, 1, 2}, {"smoke detector", 3, 1, 1}};
    for (const Look& look : kLooks) {
        auto w = Open(look);
        TypePanelControls& p = w->TypePanelView();
        // After a new device's panel, whose types not offered look faded.
        w->EnableDevice[20]->click();
        p.Command13->click();
        for (const Case& c : cases) {
            SCOPED_TRACE(look.Tag().toStdString() + " " + c.what);
            w->DeviceSettings[c.address]->click();
            ASSERT_TRUE(w->Picture3->isVisible());
            const bool detector = c.ownGroup == 1 && c.ownIndex <= 2;
            for (const Option& o : TypeOptions(p)) {
                const bool own = o.group == c.ownGroup && o.index == c.ownIndex;
                const bool switchable = detector && o.group == 1 && o.index <= 2;
                const Shown s = ShownBy(o.button);
                EXPECT_EQ(o.button->isEnabled(), switchable) << Name(o.button);
                EXPECT_EQ(o.button->isChecked(), own) << Name(o.button);
                EXPECT_EQ(s.caption, Rgb(DeviceColors::Black)) << Name(o.button);
                const QColor back = switchable ? Rgb(*DeviceColorChoose(o.group, o.index))
                                               : Rgb(own ? DeviceColors::White : DeviceColors::Grey);
                EXPECT_EQ(s.back, back) << Name(o.button);
                // As drawn: the background and a black caption.
                EXPECT_GT(PixelsOf(o.button, back), 0) << Name(o.button);
                EXPECT_GT(DarkPixels(o.button), 0) << Name(o.button);
            }
            if (c.address == 2) LayoutChecks::Screenshot(*w, "typepanel-relay-" + look.Tag());
            p.Command13->click();
        }
    }
}

// How many pixels of an option's circle, as drawn, are clearly lighter or darker than the
// option's background: a dark blue ring on blue, or a black one on black, is not seen.
int CirclePixelsSeen(QRadioButton* b)
{
    const QImage img = b->grab().toImage();
    const int back = qGray(ShownBy(b).back.rgb());
    const QRect circle = CircleOf(b) & img.rect();
    int n = 0;
    for (int y = circle.top(); y <= circle.bottom(); ++y)
        for (int x = circle.left(); x <= circle.right(); ++x) n += std::abs(qGray(img.pixel(x, y)) - back) >= 40;
    return n;
}

// Every option's circle can be seen on its background: the type options' on the black
// extinguish and the blue relay included, offered or not, on both panels, and the settings
// options' on their own colours (the heat detector's temperatures, up to red).
TEST_F(PanelLooksTest, EveryOptionsCircleStandsOut)
{
    for (const Look& look : kLooks) {
        auto w = Open(look);
        TypePanelControls& p = w->TypePanelView();
        for (const auto& [what, open] : {std::pair{"new device", w->EnableDevice[20]}, std::pair{"relay", w->DeviceSettings[2]},
                                         std::pair{"smoke detector", w->DeviceSettings[3]}, std::pair{"heat detector", w->DeviceSettings[1]}}) {
            SCOPED_TRACE(look.Tag().toStdString() + " " + what);
            open->click();
            std::vector<QRadioButton*> options;
            for (const Option& o : TypeOptions(p)) options.push_back(o.button);
            for (int f = 1; f <= 5; ++f)
                for (QRadioButton* b : p.SettingsFrame[size_t(f)]->findChildren<QRadioButton*>())
                    if (b->isVisibleTo(w.get())) options.push_back(b);
            ASSERT_GT(options.size(), 15u);
            // At least as many as its outline holds.
            for (QRadioButton* b : options) EXPECT_GE(CirclePixelsSeen(b), 2 * CircleOf(b).width()) << Name(b);
            p.Command13->click();
        }
    }
}

}  // namespace
