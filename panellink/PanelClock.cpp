// The clock update: the panel's date and time from the PC's clock.
#include "core/Conv.h"
#include "core/DataModel.h"
#include "core/MainMdl.h"
#include "panellink/LinkMessages.h"
#include "panellink/LinkState.h"
#include "panellink/Operations.h"

namespace {

QString TwoDigits(int v) { return ZeroPad(v, 2); }

// A version in hundredths as the clock message shows it: 139 -> "1.39", 1234 -> "12.34".
QString VersionShown(long long v)
{
    const QString s = Str(v);
    return (v < 1000 ? s.left(1) : s.left(2)) + QLatin1Char('.') + s.right(2);
}

}  // namespace

void FillClockFields(const QDateTime& t)
{
    // One reading of the clock for all seven fields, so they cannot straddle a change of
    // second, minute or day.
    const QDate d = t.date();
    const QTime time = t.time();
    ClockFields[1] = TwoDigits(time.second());
    ClockFields[2] = TwoDigits(time.minute());
    ClockFields[3] = TwoDigits(time.hour());
    ClockFields[4] = TwoDigits(d.dayOfWeek() % 7 + 1);  // 1 = Sunday
    ClockFields[5] = TwoDigits(d.day());
    ClockFields[6] = TwoDigits(d.month());
    ClockFields[7] = TwoDigits(d.year() % 100);
}

void PanelOperations::ClckSnd_Click()
{
    Run run(*this);
    if (!run) return;
    if (Preflight()) {
        RunningOperation = PanelOperation::ClockUpdate;
        PressPreset(9600);
        StartTimes();
        VerifyMode = true;
        HoldWindow();
        RunSteps(&PanelOperations::ClockSteps);
    }
    Finish(0);
}

bool PanelOperations::ClockSteps()
{
    engine_.GetDataSys();
    if (TransferError) return false;
    MainMdl::Delay(timing_.beforeReturn);
    const long long v = ValInt(VerSoftNum4Verif);
    if (v < 140) {
        Say(LinkMessages::ClockVersion, VersionShown(v));
        return false;
    }
    FillClockFields(wallClock());
    engine_.SetTime();
    if (TransferError) return false;
    ShowTransferTime();
    Say(LinkMessages::ClockUpdated);
    return true;
}
