#include "platform/Shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace Shell {
namespace {

struct TestState {
    bool testMode = false;
    QStringList calls;
};

TestState& State()
{
    static TestState s;
    return s;
}

}  // namespace

bool OpenFolder(const QString& path)
{
    if (State().testMode) {
        State().calls.append(path);
        return true;
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void SetTestMode(bool on) { State().testMode = on; }
QStringList RecordedCalls() { return State().calls; }
void ClearRecordedCalls() { State().calls.clear(); }

}  // namespace Shell
