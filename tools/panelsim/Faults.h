#pragma once
// Ways the panel can be told to misbehave. Frames the panel sends are counted from 1 over the
// whole run (acknowledgements, records, end frames and refusals alike); "reply n" below is the
// n-th of them.
namespace panelsim {

struct Faults {
    static constexpr int Always = -1;
    static constexpr int Never = 0;

    int silentAfter = -1;     // send this many frames, then never answer again; -1: no silence
    int nakAt = Never;        // refuse reply n with a NAK (Always: refuse everything)
    int badChecksumAt = Never;// spoil the checksum of reply n (Always: of every frame)
    int splitPieces = 1;      // send each frame in this many pieces...
    int gapMs = 0;            // ...with this pause between them
    int earlyEndAfter = -1;   // multi-record replies end after this many records; -1: all
    bool wrongSpeed = false;  // after a speed switch listen at a speed other than the one asked
    int replyDelayMs = 0;     // pause before every frame the panel sends
    int idleResetMs = 10000;  // back to 9600 baud after this long without a frame; 0: never
};

}  // namespace panelsim
