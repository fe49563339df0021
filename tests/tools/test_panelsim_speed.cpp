// The speed switch: acknowledged at the old speed, then the panel listens at the new one and
// hears frames at any other speed as noise.
#include <gtest/gtest.h>

#include "PanelSimTestUtil.h"

using namespace panelsim;
using namespace panelsim::testing;

namespace {
const QByteArray B2 = H("AA 01 04 00 B2 B7");

QByteArray Speed(int code) { return BuildFrame(Cmd::SpeedSet, QByteArray(1, char(code))); }
}  // namespace

TEST(PanelSimSpeed, SwitchIsAcknowledgedAtTheOldSpeedThenTheNewOneHolds)
{
    Panel p;
    const auto outs = p.Receive(H("AA 01 05 00 CD 39 0C"), 0, 9600);  // code 57
    EXPECT_EQ(Joined(outs), Ack);
    EXPECT_EQ(outs.back().baudAfter, 57600);
    EXPECT_EQ(p.Memory().speed, 57600);

    EXPECT_TRUE(Answer(p, B2, 10, 9600).isEmpty()) << "a request at the old speed is noise now";
    EXPECT_FALSE(Answer(p, B2, 20, 57600).isEmpty());
    Answer(p, Ack, 30, 57600);

    EXPECT_EQ(Answer(p, Speed(9), 40, 57600), Ack);
    EXPECT_EQ(p.Memory().speed, 9600);
    EXPECT_FALSE(Answer(p, B2, 50, 9600).isEmpty());
}

TEST(PanelSimSpeed, EachSpeedCodeAndNoOther)
{
    struct Case { int code; int speed; };
    for (Case c : {Case{9, 9600}, Case{38, 38400}, Case{57, 57600}, Case{10, 0}, Case{0, 0}, Case{96, 0}}) {
        Panel p;
        const QByteArray reply = Answer(p, Speed(c.code));
        EXPECT_EQ(reply, c.speed ? Ack : Nak) << c.code;
        EXPECT_EQ(p.Memory().speed, c.speed ? c.speed : 9600) << c.code;
    }
}

TEST(PanelSimSpeed, FrameAtTheWrongSpeedIsNotAnswered)
{
    Panel p;
    EXPECT_TRUE(Answer(p, B2, 0, 57600).isEmpty());
    EXPECT_TRUE(Answer(p, Speed(57), 0, 57600).isEmpty());
    EXPECT_EQ(p.Memory().speed, 9600);
    EXPECT_TRUE(p.CommandsReceived().empty());
}

TEST(PanelSimSpeed, UnknownLineSpeedIsNotChecked)
{
    Panel p;
    Answer(p, Speed(57), 0, 9600);
    EXPECT_FALSE(Answer(p, B2, 10, 0).isEmpty());
}

TEST(PanelSimSpeed, WrongSpeedFaultRejectsACorrectSwitch)
{
    Faults f;
    f.wrongSpeed = true;
    Panel p({}, f);
    EXPECT_EQ(Answer(p, Speed(57), 0, 9600), Ack);
    EXPECT_TRUE(Answer(p, B2, 10, 57600).isEmpty()) << "the PC followed the switch; the panel did not";

    Panel q({}, f);
    EXPECT_EQ(Answer(q, Speed(9), 0, 9600), Ack);
    EXPECT_TRUE(Answer(q, B2, 10, 9600).isEmpty());
}

TEST(PanelSimSpeed, IdlePanelFallsBackTo9600)
{
    Faults f;
    f.idleResetMs = 5000;
    Panel p({}, f);
    Answer(p, Speed(57), 0, 9600);
    EXPECT_TRUE(Answer(p, B2, 4000, 9600).isEmpty()) << "not idle long enough yet";
    const auto outs = p.Receive(B2, 9500, 9600);  // 5.5 s after the last frame it heard
    ASSERT_FALSE(outs.empty());
    EXPECT_EQ(outs.front().baudAfter, 9600);
    EXPECT_EQ(p.Memory().speed, 9600);
    EXPECT_EQ(uint8_t(Joined(outs)[4]), Cmd::SystemGet);
}

TEST(PanelSimSpeed, NoFallbackWhenSwitchedOff)
{
    Faults f;
    f.idleResetMs = 0;
    Panel p({}, f);
    Answer(p, Speed(57), 0, 9600);
    EXPECT_TRUE(Answer(p, B2, 1000000, 9600).isEmpty());
    EXPECT_EQ(p.Memory().speed, 57600);
}
