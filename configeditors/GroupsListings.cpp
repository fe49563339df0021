#include "configeditors/GroupsListings.h"

#include "configeditors/GroupsModel.h"
#include "core/Conv.h"

namespace GroupsListings {

namespace {

const QString Slash = QStringLiteral("/");

// The special outputs, offered by their flags.
struct Special {
    int code;
    const char16_t* inputsLine;
    const char16_t* hebrew;
    const char16_t* english;
};
const std::array<Special, 3> Specials{{
    {SpecialOutput::AlarmRelay1, u" [ 201 </> RELAY  ALARM1 ] ", u"ממסר אזעקה 1 - 201", u"Alarm Relay 1 - 201"},
    {SpecialOutput::AlarmRelay2, u" [ 202 </> RELAY  ALARM2 ] ", u"ממסר אזעקה 2 - 202", u"Alarm Relay 2 - 202"},
    {SpecialOutput::DialerAlarm, u" [ 205 </> DIALER  AL(-) ] ", u"יציאת אזעקה של החייגן - 205",
     u"Dialer Alarm Output - 205"},
}};

QString OutputSlots(const GrpEditRecord& r)
{
    QStringList places;
    for (int k = 1; k <= MaxOutputsPerGroup; ++k) places << ZeroPad(r.OutAddr[k], 3);
    return places.join(Slash);
}

// "05.<1>-(" or "05.<1>-(OUT: ", the count and the six slots, then ")#".
QString GroupHead(int g, const GrpEditRecord& r, const QString& countLead)
{
    return ZeroPad(g, 2) + QStringLiteral(".<") + Str(r.Trigger) + QStringLiteral(">-(") + countLead + Str(r.OutCount) +
           QStringLiteral(")(") + OutputSlots(r) + QStringLiteral(")#");
}

}  // namespace

QStringList Inputs(const GroupsModel& m)
{
    QStringList lines;
    for (int d = 1; d <= m.LastAddress(); ++d) {
        const DeviceRecord& r = DeviceDataArray[d];
        const QString a = ZeroPad(d, 3);
        if (r.DeviceIsIn == QStringLiteral("1")) {
            const DevGrpRecord& e = m.DevGrpArray[d];
            QStringList groups;
            for (int k = 1; k <= MaxGroupsPerInput; ++k) groups << ZeroPad(e.Grp[k], 2);
            lines << QStringLiteral(" [ ") + a + QStringLiteral(" <") + Str(e.NumOfGroups) + QStringLiteral("> (") +
                         groups.join(Slash) + QStringLiteral(") ] ");
        } else if (r.Exist == QStringLiteral("1")) {
            lines << QStringLiteral(" [ ") + a + QStringLiteral(" </> (OUT  DEVICE) ] ");
        } else {
            lines << QStringLiteral(" [ ") + a + QStringLiteral(" ----------------- ] ");
        }
    }
    for (const Special& s : Specials)
        if (m.IsOfferedOutput(s.code)) lines << QString::fromUtf16(s.inputsLine);
    return lines;
}

QStringList Outputs(const GroupsModel& m)
{
    QStringList lines;
    for (int g = 1; g <= MaxGroups; ++g) lines << GroupHead(g, m.GrpEditArray[g], QString());
    bool any = false;
    for (const Special& s : Specials) any = any || m.IsOfferedOutput(s.code);
    if (any) lines << QString(36, QLatin1Char('#'));
    for (const Special& s : Specials)
        if (m.IsOfferedOutput(s.code)) lines << languages::ByLanguage(m.Language(), QString::fromUtf16(s.hebrew), QString::fromUtf16(s.english));
    return lines;
}

QStringList Groups(const GroupsModel& m)
{
    QStringList lines;
    for (int g = 1; g <= MaxGroups; ++g) {
        QString inputs;
        int count = 0;
        for (int d = 1; d <= m.LastAddress(); ++d) {
            const DevGrpRecord& e = m.DevGrpArray[d];
            for (int k = 1; k <= e.NumOfGroups; ++k) {
                if (e.Grp[k] != g) continue;
                inputs += ZeroPad(d, 3) + Slash;
                ++count;
            }
        }
        lines << GroupHead(g, m.GrpEditArray[g], QStringLiteral("OUT: ")) + QStringLiteral("-(IN: ") + ZeroPad(count, 3) +
                     QStringLiteral(")(") + inputs + QStringLiteral(")");
    }
    return lines;
}

}  // namespace GroupsListings
