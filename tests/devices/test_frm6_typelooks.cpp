// How the type panel shows its types, read from the type options' palettes and as drawn: on the
// new-device panel the types not offered are faded with grey captions; on an existing device's
// panel every type but its own is grey with a black caption, its own white; and every option's
// circle stands out from its type colour.
#include <functional>
#include <string>

#include <QGroupBox>
#include <QPalette>

#include "OptionCircle.h"
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

// Every type option of an existing device's panel against what it must show, in its palette and
// as drawn: enabled only when it is one of the two detectors of a smoke or heat detector, chosen
// only when it is `chosen`, on the background `back` gives it, with a black caption.
void ExpectExistingTypes(TypePanelControls& p, const Option& chosen, bool detector, const std::function<QColor(const Option&)>& back)
{
    for (const Option& o : TypeOptions(p)) {
        const bool own = o.group == chosen.group && o.index == chosen.index;
        const bool switchable = detector && o.group == 1 && o.index <= 2;
        const Shown s = ShownBy(o.button);
        EXPECT_EQ(o.button->isEnabled(), switchable) << Name(o.button);
        EXPECT_EQ(o.button->isChecked(), own) << Name(o.button);
        EXPECT_EQ(s.caption, Rgb(DeviceColors::Black)) << Name(o.button);
        EXPECT_EQ(s.back, back(o)) << Name(o.button);
        // As drawn: the background and a black caption.
        EXPECT_GT(PixelsOf(o.button, back(o)), 0) << Name(o.button);
        EXPECT_GT(DarkPixels(o.button), 0) << Name(o.button);
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
            ExpectExistingTypes(p, {nullptr, c.ownGroup, c.ownIndex}, detector, [&](const Option& o) {
                if (detector && o.group == 1 && o.index <= 2) return Rgb(*DeviceColorChoose(o.group, o.index));
                return Rgb(o.group == c.ownGroup && o.index == c.ownIndex ? DeviceColors::White : DeviceColors::Grey);
            });
            if (c.address == 2) LayoutChecks::Screenshot(*w, "typepanel-relay-" + look.Tag());
            p.Command13->click();
        }
    }
}

// Switching an existing detector between smoke and heat, and back, recolours the two detectors
// only: the one clicked white, the other in its type colour. Every other type stays grey with a
// black caption, the outputs too.
TEST_F(PanelLooksTest, SwitchingSmokeAndHeatRecoloursOnlyTheTwoDetectors)
{
    struct Case {
        const char* what;
        int address;
        std::vector<int> clicks;  // the detector options clicked, in turn
    };
    const Case cases[] = {{"smoke detector", 3, {2, 1, 2}}, {"heat detector", 1, {1, 2}}};
    for (const Look& look : kLooks) {
        auto w = Open(look);
        TypePanelControls& p = w->TypePanelView();
        for (const Case& c : cases) {
            w->DeviceSettings[c.address]->click();
            for (int to : c.clicks) {
                SCOPED_TRACE(look.Tag().toStdString() + " " + c.what + " to " + std::to_string(to));
                p.Option1[size_t(to)]->click();
                ExpectExistingTypes(p, {nullptr, 1, to}, true, [&](const Option& o) {
                    if (o.group != 1 || o.index > 2) return Rgb(DeviceColors::Grey);
                    return o.index == to ? Rgb(DeviceColors::White) : Rgb(*DeviceColorChoose(1, o.index));
                });
            }
            if (c.address == 3) LayoutChecks::Screenshot(*w, "typepanel-switched-" + look.Tag());
            p.Command13->click();
        }
    }
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
            // The type options, always in a colour, have the circle of every coloured option.
            for (const Option& o : TypeOptions(p)) {
                options.push_back(o.button);
                EXPECT_TRUE(OptionCircle::WhiteWithBlackDot(o.button)) << Name(o.button);
            }
            for (int f = 1; f <= 5; ++f)
                for (QRadioButton* b : p.SettingsFrame[size_t(f)]->findChildren<QRadioButton*>())
                    if (b->isVisibleTo(w.get())) options.push_back(b);
            ASSERT_GT(options.size(), 15u);
            for (QRadioButton* b : options) EXPECT_TRUE(OptionCircle::Seen(b)) << Name(b) << " " << OptionCircle::PixelsSeen(b);
            p.Command13->click();
        }
    }
}

}  // namespace
