#pragma once
// The devices window as a user sees it, in both languages and both layouts: a project with a heat
// detector at 1, a relay at 2 and smoke detectors at 3 to 10, and the helpers that read where a
// radio button draws its circle and caption and what colours it shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include <QApplication>
#include <QImage>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

#include "DevicesFixture.h"
#include "OptionCircle.h"
#include "devices/frm6NamesAndSettings.h"
#include "mainwindow/LayoutChecks.h"

namespace PanelLooks {

struct Look {
    int lang;
    bool small;
    QString Tag() const { return QStringLiteral("%1-%2").arg(lang == 1 ? "he" : "en", small ? "small" : "large"); }
};
inline constexpr Look kLooks[] = {{2, false}, {2, true}, {1, false}, {1, true}};

// The visible controls of a panel that must stand apart; the drawn boxes behind OK and Cancel
// and around the bottom area frame other controls on purpose.
inline std::vector<QWidget*> Controls(const QWidget* panel)
{
    std::vector<QWidget*> out;
    for (QWidget* c : LayoutChecks::VisibleChildren(panel))
        if (!c->objectName().startsWith(QLatin1String("Shape"))) out.push_back(c);
    return out;
}

// Where an option's circle and its caption are drawn, in its parent.
struct Drawn {
    QRect circle, caption;
};
using OptionCircle::CircleOf;
inline Drawn DrawnParts(const QRadioButton* b)
{
    QStyleOptionButton o;
    o.initFrom(b);
    o.text = b->text();
    const QRect contents = b->style()->subElementRect(QStyle::SE_RadioButtonContents, &o, b);
    const int w = b->fontMetrics().horizontalAdvance(b->text());
    const int left = b->isRightToLeft() ? contents.right() + 1 - w : contents.left();
    return {CircleOf(b).translated(b->pos()), QRect(left, contents.top(), w, contents.height()).translated(b->pos())};
}

// The blank between two rectangles side by side.
inline int Apart(const QRect& a, const QRect& b) { return std::max(a.left() - b.right(), b.left() - a.right()) - 1; }

// How many pixels of a control as drawn are of the colour, or dark as a black caption is.
inline int PixelsOf(QWidget* w, const QColor& c)
{
    const QImage img = w->grab().toImage();
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) n += img.pixelColor(x, y) == c;
    return n;
}
inline int DarkPixels(QWidget* w)
{
    const QImage img = w->grab().toImage();
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) n += qGray(img.pixel(x, y)) < 0x40;
    return n;
}

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
    static std::unique_ptr<frm6NamesAndSettings> Open(const Look& look)
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

}  // namespace PanelLooks
