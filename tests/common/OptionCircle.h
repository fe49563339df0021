#pragma once
// An option button's circle as a user sees it: where the style draws it, and how much of it, as
// drawn, stands out from the button's background. A circle in the box's own colour, or a dark
// ring on a dark colour, is not seen.
#include <cstdlib>

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPalette>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace OptionCircle {

// Where the circle is drawn, in the button.
inline QRect CircleOf(const QRadioButton* b)
{
    QStyleOptionButton o;
    o.initFrom(b);
    o.text = b->text();
    return b->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &o, b);
}

// The background the button shows in its present state.
inline QColor BackOf(const QRadioButton* b)
{
    return b->palette().color(b->isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Window);
}

// How many pixels of the circle, as drawn, are clearly lighter or darker than the background.
inline int PixelsSeen(QRadioButton* b)
{
    const QImage img = b->grab().toImage();
    const int back = qGray(BackOf(b).rgb());
    const QRect circle = CircleOf(b) & img.rect();
    int n = 0;
    for (int y = circle.top(); y <= circle.bottom(); ++y)
        for (int x = circle.left(); x <= circle.right(); ++x) n += std::abs(qGray(img.pixel(x, y)) - back) >= 40;
    return n;
}

// Seen when at least as many pixels stand out as its outline holds.
inline bool Seen(QRadioButton* b) { return PixelsSeen(b) >= 2 * CircleOf(b).width(); }

// The grey level at the circle's centre, as drawn: white inside, dark where the dot is.
inline int CentreGrey(QRadioButton* b)
{
    return qGray(b->grab().toImage().pixel(CircleOf(b).center()));
}

// The circle's colours as the palette gives them, in every state: white inside, a black dot.
inline bool WhiteWithBlackDot(const QRadioButton* b)
{
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        if (b->palette().color(g, QPalette::Base) != QColor(Qt::white) || b->palette().color(g, QPalette::Text) != QColor(Qt::black))
            return false;
    return true;
}

// An option as a user must see it, in its palette and as drawn: its circle white on its colour,
// with a black dot when it is chosen and none when it is not.
inline void ExpectShown(QRadioButton* b)
{
    SCOPED_TRACE(b->objectName().toStdString() + (b->isChecked() ? " chosen" : "") + (b->isEnabled() ? "" : " disabled"));
    EXPECT_TRUE(WhiteWithBlackDot(b));
    EXPECT_TRUE(Seen(b)) << PixelsSeen(b) << " pixels seen on " << BackOf(b).name().toStdString();
    if (b->isChecked()) {
        EXPECT_LT(CentreGrey(b), 0x60);
    } else {
        EXPECT_GT(CentreGrey(b), 0xE0);
    }
}

}  // namespace OptionCircle
