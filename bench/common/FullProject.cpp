#include "bench/common/FullProject.h"

#include <algorithm>
#include <vector>

#include "core/Conv.h"
#include "core/DataModel.h"
#include "core/FieldRanges.h"
#include "core/PlacesMessage.h"
#include "core/ProjectWhole.h"
#include "core/ResetModule.h"
#include "core/Usefull.h"
#include "core/languages.h"
#include "panellink/UploadCheck.h"

namespace FullProject {

namespace {

using namespace DeviceKind;

constexpr int NameLength = decltype(DeviceRecord::DeviceName)::width;

// The kinds a device of one address may be, in the kind table's order.
std::vector<int> SingleKinds()
{
    std::vector<int> kinds;
    for (const KindInfo& k : All())
        if (k.kind != TwoInputCard && k.kind != FourZoneCard) kinds.push_back(k.kind);
    return kinds;
}

// 13 characters and the three digits of a number: 16, the most a name may hold.
QString LongestName(int n, const QString& hebrew, const QString& latin)
{
    return (n % 2 ? hebrew : latin) + ZeroPad(n, 3);
}

void PlaceDevice(DeviceRecord& r, int a, int kind)
{
    const KindInfo* k = Find(kind);
    ResetModule::ResetRecord(r, a);
    r.Exist = "1";
    r.ExtType = k->extType;
    r.BaseType = k->baseType;
    r.DeviceIsIn = k->isInput ? "1" : "0";
    r.CardAddr = "01";
    // As the editor sets them, in the three digits the file and the panel give back.
    r.AlarmValue = r.PreAlarmValue = k->isInput ? "064" : "099";
    r.FactoryName = languages::FactoryNameFor(a, kind, 1);
    r.DeviceName = LongestName(a, QStringLiteral(u"חדר מדרגות - "), QStringLiteral("STAIRS LEVEL "));
    r.NameExist = "1";
}

}  // namespace

void Fill(int16_t language)
{
    UILanguage = language;
    languages::SetLanguage(language);
    MaxNumOfDevices = Devices;
    ResetModule::ResetProject(true);
    const std::vector<int> kinds = SingleKinds();
    std::vector<int> outputs{SpecialOutput::AlarmRelay1, SpecialOutput::AlarmRelay2, SpecialOutput::DialerAlarm};
    int inputs = 0;
    for (int a = 1; a <= Devices; ++a) {
        DeviceRecord& r = DeviceDataArray[a];
        PlaceDevice(r, a, kinds[size_t(a - 1) % kinds.size()]);
        if (r.DeviceIsIn == "0") {
            outputs.push_back(a);
            continue;
        }
        // Four groups a quarter of the groups apart, so each group gets inputs from all over.
        r.NumOfGroups = ZeroPad(LinksPerInput, 2);
        for (int k = 1; k <= LinksPerInput; ++k)
            r.Grp[k] = ZeroPad((inputs + (k - 1) * MaxGroups / LinksPerInput) % MaxGroups + 1, 2);
        r.WithAlarmGroup = "1";
        ++inputs;
    }
    for (int g = 1; g <= MaxGroups; ++g) {
        OutGrpRecord& grp = OutGrpArray[g];
        grp.GrpName = LongestName(g, QStringLiteral(u"קבוצת הפעלה -"), QStringLiteral("SIREN GROUP -"));
        grp.OutCount = Str(OutputsPerGroup);
        for (int o = 1; o <= OutputsPerGroup; ++o)
            grp.OutAddr[o] = ZeroPad(outputs[size_t((g - 1) * OutputsPerGroup + o - 1) % outputs.size()], 3);
        const int cap = std::min(FieldRanges::MaxTrigger, ProjectWhole::InputsLinked(DeviceDataArray, g));
        grp.Trigger = Str(cap > 0 ? 1 + g % cap : 0);
    }
    NumOfDevices = ZeroPad(Devices, 3);
    ProjectWhole::Recount();
}

QStringList Faults()
{
    QStringList faults;
    const ProjectWhole::Places broken = ProjectWhole::CheckProject();
    if (broken.any())
        faults << QStringLiteral("not whole: addresses %1; groups %2%3")
                      .arg(NumberList(broken.addresses), NumberList(broken.groups),
                           broken.counts ? QStringLiteral("; the counts") : QString());
    if (const auto refused = FirstUnencodableRecord())
        faults << QStringLiteral("the upload check refuses block %1, record %2").arg(int(refused->block)).arg(refused->number);
    if (MaxNumOfDevices != Devices || ProjectWhole::AddressesInUse(DeviceDataArray) != Devices)
        faults << QStringLiteral("%1 devices in use").arg(ProjectWhole::AddressesInUse(DeviceDataArray));
    for (int g = 1; g <= MaxGroups; ++g) {
        const OutGrpRecord& grp = OutGrpArray[g];
        if (!ProjectWhole::IsActiveGroup(DeviceDataArray, OutGrpArray, g) || ValInt(grp.OutCount.str()) != OutputsPerGroup ||
            ValInt(grp.Trigger.str()) < 1 || grp.GrpName.trimmed().size() != NameLength)
            faults << QStringLiteral("group %1 not full").arg(g);
    }
    const bool quiet = NameCheckQuiet;
    NameCheckQuiet = true;
    for (int a = 1; a <= MaxAddress; ++a) {
        const DeviceRecord& r = DeviceDataArray[a];
        const QString name = r.DeviceName.str();
        if (name.trimmed().size() != NameLength || Usefull::KeptName(name) != name ||
            r.FactoryName.trimmed().size() != NameLength)
            faults << QStringLiteral("address %1: the names \"%2\", \"%3\" are not of the longest")
                          .arg(a)
                          .arg(name, r.FactoryName.str());
        if (r.DeviceIsIn == "1" && ValInt(r.NumOfGroups.str()) != LinksPerInput)
            faults << QStringLiteral("address %1: %2 groups linked").arg(a).arg(r.NumOfGroups.str());
    }
    NameCheckQuiet = quiet;
    return faults;
}

}  // namespace FullProject
