#pragma once
// How long the far end takes between the last byte we sent and the first of its answer, as the
// port's waits learn it. A wait for an answer sleeps for the line's time of the answer plus this
// turn-round, so that most answers are whole at the first wake instead of a wake for the part
// that came and another for the rest. What the wait sees at that wake is all it learns: whole
// (the turn-round was at most the one planned) or short (it was longer). Stepping up on a short
// answer and down on a whole one in the ratio below settles where one answer in `MissShare`
// comes short: a quantile of the far end's turn-rounds, which a few slow ones do not drag up.
#include <algorithm>

class TurnRound {
public:
    // The share of answers allowed to come short at the first wake: each costs a second wake,
    // each answer whole earlier than planned costs the time slept past it.
    static constexpr double MissShare = 0.2;
    // Never more than this many characters: a far end that does not answer at all (a panel
    // switched off) must not lengthen the waits for the one that does.
    static constexpr double MaxChars = 4;

    explicit TurnRound(double charSeconds = 10.0 / 9600) { Reset(charSeconds); }

    // A new line (or speed): nothing known of the far end yet.
    void Reset(double charSeconds)
    {
        char_ = charSeconds;
        seconds_ = 0;
    }
    // The turn-round to plan with, in seconds.
    double Seconds() const { return seconds_; }
    // What the first wake after an answer was due found: the answer whole, or short of it.
    void Learn(bool whole)
    {
        const double step = char_ / 4;
        seconds_ += whole ? -step * MissShare : step * (1 - MissShare);
        seconds_ = std::clamp(seconds_, 0.0, MaxChars * char_);
    }

private:
    double char_ = 0;
    double seconds_ = 0;
};
