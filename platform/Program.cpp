#include "platform/Program.h"

#include <QApplication>
#include <QWidget>

namespace Program {
namespace {
EndHook hook;
bool ended = false;
}  // namespace

void End()
{
    if (hook) {
        hook();
        return;
    }
    ended = true;
    // Hiding (not closing) ends every modal run without asking the closing questions again;
    // exit then makes every running and later event loop return at once.
    for (QWidget* w : QApplication::topLevelWidgets()) w->hide();
    QCoreApplication::exit(0);
}

bool HasEnded() { return ended; }

void SetEndHook(EndHook h) { hook = std::move(h); }

}  // namespace Program
