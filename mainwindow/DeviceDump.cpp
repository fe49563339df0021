#include "mainwindow/DeviceDump.h"

#include <algorithm>

#include "projectfile/ProjectLines.h"

namespace DeviceDump {

namespace {

QString Joined(const QStringList& lines) { return lines.join(QStringLiteral("\r\n")); }

}  // namespace

QString Line(const DeviceRecord& r) { return ProjectLines::TypeLine(r); }

QStringList Lines(int maxAddress)
{
    QStringList lines;
    for (int a = 1; a <= std::min(maxAddress, MaxAddress); ++a) lines.append(Line(DeviceDataArray[a]));
    return lines;
}

QString UpperLegend()
{
    return Joined({
        QStringLiteral("A   DeviceDisable             CardAddr                      NumOfGroups        "),
        QStringLiteral("D   | ExtType                 |     DlyB4ON                 |   G   G   G   G  "),
        QStringLiteral("D   | |  BaseType             |  X  | WithFaultGroup        |   r   r   r   r  "),
        QStringLiteral("R   | |  |   DeviceIsIn       |  |X | | WithAlarmGroup      |   p   p   p   p  "),
        QStringLiteral("|   | |  |   | Exist          |  || | | | IsNotUseInAlarm   |   1   2   3   4  "),
        QStringLiteral("|   | |  |   | |              |  || | | | |                 |   |   |   |   |  "),
    });
}

QString LowerLegend()
{
    return Joined({
        QStringLiteral("Address          LoopSide                   OutOnTimes                         "),
        QStringLiteral("|                |  offTypeAfterON          |   TimeDelayUp2ON                 "),
        QStringLiteral("|                |  |  OutBehevior          |   |   AlarmValue                 "),
        QStringLiteral("|                |  |  |  DeviceNeedVer     |   |   |   PreAlarmValue          "),
        QStringLiteral("|                |  |  |  | NameExist       |   |   |   |                      "),
        QStringLiteral("|                |  |  |  | |               |   |   |   |                      "),
    });
}

const QStringList& KindLegend()
{
    static const QStringList list{
        QStringLiteral("01)00-001 Horn"),       QStringLiteral("05)00-101 SMOKE ANLG"),
        QStringLiteral("06)00-110 HEAT ANLG"),  QStringLiteral("07)00-111 RED"),
        QStringLiteral("09)01-001 OUT"),        QStringLiteral("10)01-010 A/F"),
        QStringLiteral("11)01-011 2ALRM"),      QStringLiteral("12)01-100 SMOKE"),
        QStringLiteral("15)01-111 YELLOW"),     QStringLiteral("17)10-001 EXTINGUISH"),
        QStringLiteral("19)10-011 RLY"),        QStringLiteral("20)10-100 4 ZONES"),
        QStringLiteral("21)10-101 LINE RLY"),   QStringLiteral("23)10-111 INPUT"),
        QStringLiteral("29)11-101 Analog S/H"), QStringLiteral("30)11-110 A/F+24VRST"),
    };
    return list;
}

const QStringList& OutputCodeLegend()
{
    static const QStringList list{
        QStringLiteral("OutBehevior = 00-OUT/01-EXT/02-F_OUT/03-A_OUT"),
        QStringLiteral("offTypeAfterON = 00-Reset_OFF/01-Time_OFF/02-Silence_OFF"),
    };
    return list;
}

}  // namespace DeviceDump
