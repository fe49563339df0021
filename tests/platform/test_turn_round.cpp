// The far end's turn-round as the port's waits learn it from what each first wake found.
#include <gtest/gtest.h>

#include <random>

#include "platform/TurnRound.h"

namespace {

constexpr double Char = 10.0 / 57600;

TEST(TurnRound, SettlesWhereOneAnswerInFiveComesShortAndAFewSlowOnesDoNotDragItUp)
{
    // Turn-rounds of 100 to 300 microseconds, and now and then one of 2 ms.
    std::mt19937 gen(7);
    std::uniform_real_distribution<double> usual(100e-6, 300e-6);
    TurnRound t(Char);
    int shortOnes = 0;
    const int answers = 4000;
    for (int i = 0; i < answers; ++i) {
        const double turn = i % 50 == 0 ? 2e-3 : usual(gen);
        const bool whole = turn <= t.Seconds();
        if (i >= answers / 2) shortOnes += !whole;
        t.Learn(whole);
    }
    EXPECT_NEAR(double(shortOnes) / (answers / 2), TurnRound::MissShare, 0.05);
    EXPECT_GT(t.Seconds(), 200e-6);
    EXPECT_LT(t.Seconds(), 300e-6);
}

TEST(TurnRound, StaysWithinNoneAndFourCharactersAndStartsAfreshOnANewLine)
{
    TurnRound t(Char);
    EXPECT_EQ(t.Seconds(), 0.0) << "nothing known of the far end yet";
    t.Learn(true);
    EXPECT_EQ(t.Seconds(), 0.0);
    for (int i = 0; i < 1000; ++i) t.Learn(false);  // a panel that never answers
    EXPECT_DOUBLE_EQ(t.Seconds(), TurnRound::MaxChars * Char);
    t.Reset(10.0 / 9600);
    EXPECT_EQ(t.Seconds(), 0.0);
}

}  // namespace
