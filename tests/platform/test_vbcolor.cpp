// Colours set on a control as the window values give them: an option button's circle stays
// white with a black dot whatever colours the option and its box take.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include <QGroupBox>
#include <QRadioButton>

#include "common/OptionCircle.h"
#include "platform/VbColor.h"

namespace {

std::string Hex(uint32_t bgr) { return QString::number(bgr, 16).toStdString(); }

// The section and type colours of the windows, the darkest and the lightest among them.
constexpr uint32_t kBacks[] = {0x000000, 0xFF0000, 0x0000FF, 0xFFFF00, 0x00C000, 0x00FF00, 0x00FFFF,
                               0xFF00FF, 0x8080FF, 0x0080FF, 0xC0C0C0, 0x404040, 0xFFFFFF};

// In a box of its colour, as the card settings window's inner frames are, with a black or white
// caption, chosen or not, enabled or locked: the circle shows, white, with a dot when chosen.
TEST(VbColorTest, AnOptionsCircleIsWhiteWithABlackDotWhateverItsColours)
{
    for (uint32_t back : kBacks) {
        for (uint32_t fore : {0x000000u, 0xFFFFFFu}) {
            for (bool chosen : {false, true}) {
                for (bool enabled : {true, false}) {
                    SCOPED_TRACE(Hex(back) + " fore " + Hex(fore) + (chosen ? " chosen" : "") + (enabled ? "" : " locked"));
                    QGroupBox box;
                    box.resize(120, 40);
                    VbColor::SetBackColor(&box, back);
                    VbColor::SetForeColor(&box, fore);
                    auto* b = new QRadioButton(QStringLiteral("Option"), &box);
                    b->setGeometry(4, 10, 110, 24);
                    VbColor::SetBackColor(b, back);
                    VbColor::SetForeColor(b, fore);
                    b->setChecked(chosen);
                    b->setEnabled(enabled);
                    EXPECT_EQ(VbColor::BackColor(b), back);
                    EXPECT_EQ(VbColor::ForeColor(b), fore);
                    OptionCircle::ExpectShown(b);
                    // The box around it takes the colour whole, its inside too.
                    EXPECT_EQ(box.palette().color(QPalette::Base), VbColor::ToQColor(back));
                }
            }
        }
    }
}

}  // namespace
