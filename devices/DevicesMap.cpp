#include "devices/DevicesMap.h"

#include <array>

#include "core/Conv.h"
#include "core/languages.h"
#include "devices/DeviceColors.h"

namespace DevicesMap {

QString PositionTag(const DeviceRecord& r)
{
    if (ValInt(r.Exist.str()) != 1) return QString();
    const long long p = ValInt(r.CardAddr.str());
    if (p < 0 || p > 3) return QString();
    if (KindOf(r) == DeviceKind::FourZoneCard) return QStringLiteral("(%1/4)").arg(p + 1);
    static const std::array<QString, 4> tags{QStringLiteral("( 1 )"), QStringLiteral("( 1 )"), QStringLiteral("(1/2)"),
                                             QStringLiteral("(2/2)")};
    return tags[size_t(p)];
}

Word WordOfColour(uint32_t cellColour)
{
    // The kind whose type colour the cell has (no two types share a colour).
    for (const DeviceKind::KindInfo& k : DeviceKind::All())
        if (ColorOfKind(k.kind) == cellColour)
            return {*k.mapWord, k.isInput ? std::nullopt : std::optional<uint32_t>(DeviceColors::White)};
    return {ShortNA, std::nullopt};
}

QString CellText(int address, const DeviceRecord& r, uint32_t cellColour)
{
    const QChar cr(u'\r');
    return Str(address) + cr + PositionTag(r) + cr + WordOfColour(cellColour).text;
}

QRect CellTwips(int i, bool small)
{
    const int height = small ? 620 : 680;
    const int column = (i - 1) % CellsPerLine;
    const int line = (i - 1) / CellsPerLine;
    return QRect(100 + 950 * column, 50 + line * (height + 40), 900, height);
}

int CellPoints(bool small) { return small ? 7 : 8; }

}  // namespace DevicesMap
