#include "tools/panelsim/PanelMemory.h"

#include <QString>

namespace panelsim {

int PanelMemory::AddressCount() const
{
    const QString digits = QString::number(hardware);
    return digits.size() >= 2 && digits[1] == QLatin1Char('5') ? 50 : MaxAddresses;
}

bool PanelMemory::DeviceInUse(int a) const
{
    return a >= 1 && a <= MaxAddresses && devices[a].size() == DeviceRecordSize && (uint8_t(devices[a][1]) & 0x01);
}

}  // namespace panelsim
