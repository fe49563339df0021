#include "panellink/GroupBlock.h"

#include "core/Conv.h"
#include "core/FieldRanges.h"
#include "core/ProjectWhole.h"
#include "panellink/Bytes.h"
#include "panellink/Frame.h"
#include "panellink/LinkState.h"

using namespace PanelBytes;

std::optional<QByteArray> EncodeGroupRecord(const OutGrpRecord& g)
{
    const long long number = ValInt(g.GrpNo);
    const long long outputs = ValInt(g.OutCount);
    const auto trigger = ValueByte(g.Trigger);
    if (number < 1 || number > MaxGroups || outputs < 0 || outputs > MaxOutputsPerGroup || !trigger) return std::nullopt;
    QByteArray data;
    data.append(char(number - 1)).append(char(*trigger)).append(char(outputs));
    for (int o = 1; o <= MaxOutputsPerGroup; ++o) {
        const auto b = ValueByte(g.OutAddr[o]);
        if (!b) return std::nullopt;
        data.append(char(*b));
    }
    return data;
}

bool fillOutGrp2Snd()
{
    ErrLocation = QStringLiteral("0x000000");
    LinkState::BeginBlock();
    std::array<QByteArray, MaxGroups> frames;
    for (int g = 1; g <= MaxGroups; ++g) {
        const auto data = EncodeGroupRecord(OutGrpArray[g]);
        if (!data) return LinkState::CodecFault("0x000020");
        frames[g - 1] = DataLine(QStringLiteral("C5"), AscStr2HexStr(*data));
    }
    for (int g = 0; g < MaxGroups; ++g) FrameArray[g] = frames[g];
    return true;
}

bool fillOutGrpArray_rcv()
{
    ErrLocation = QStringLiteral("0x000000");
    const char* code = "0x000030";
    if (LinkState::FrameCount() != MaxGroups) return LinkState::CodecFault(code);
    for (int g = 1; g <= MaxGroups; ++g) {
        const QByteArray& r = FrameArray[g];
        if (r.size() != GroupRecordBytes || At(r, 3) > MaxOutputsPerGroup) return LinkState::CodecFault(code);
    }

    for (int g = 1; g <= MaxGroups; ++g) {
        const QByteArray& r = FrameArray[g];
        OutGrpRecord& grp = OutGrpArray[g];
        grp.GrpNo = ZeroPad(g, 2);
        // A trigger above 3 or an output that names no loop address, relay or dialer is no value
        // of a group: it takes the empty group's value.
        const QString trigger = DecimalReading(At(r, 2), 1);
        const bool triggerOk = FieldRanges::Number(trigger, 0, FieldRanges::MaxTrigger).has_value();
        grp.Trigger = triggerOk ? trigger : QStringLiteral("0");
        grp.OutCount = DecimalReading(At(r, 3), 1);
        bool replaced = !triggerOk;
        for (int o = 1; o <= MaxOutputsPerGroup; ++o) {
            const bool ok = FieldRanges::IsOutputAddress(At(r, 3 + o));
            grp.OutAddr[o] = ok ? DecimalReading(At(r, 3 + o), 3) : QStringLiteral("000");
            replaced = replaced || !ok;
        }
        if (replaced) PanelReplaced.Add({}, {g});
    }
    NumOfActiveGroups = int16_t(ProjectWhole::ActiveGroups(DeviceDataArray, OutGrpArray));
    ProjectLoaded = true;
    return true;
}
