#pragma once
// The end of the program. The windows end it from inside nested modal runs (the login's sixth
// wrong password, Exit with Yes); End hides every window and leaves every event loop, so the
// start procedure returns and main finishes. Tests set a hook that records the end instead.
#include <functional>

namespace Program {

// Ends the program; with a hook set, calls the hook and nothing else.
void End();

// True once End has run without a hook: code that goes on after End can stop early.
bool HasEnded();

using EndHook = std::function<void()>;
// Tests: End calls the hook instead of ending; nullptr restores the real end.
void SetEndHook(EndHook h);

}  // namespace Program
