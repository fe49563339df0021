#include "panellink/PortChoice.h"

#include "core/Conv.h"
#include "core/DataModel.h"
#include "core/Message.h"
#include "panellink/LinkMessages.h"
#include "panellink/LinkState.h"
#include "platform/PortCatalog.h"
#include "platform/SComm.h"
#include "platform/Ui.h"

namespace {
constexpr int ProgressStep = 100 / PortCatalog::MaxPorts;  // 3

QString Com(int n) { return QStringLiteral("COM") + Str(n); }

void NotFoundMessage()
{
    if (UILanguage == 1)
        Ui::MsgBox(QStringLiteral("כבל USB-RS232 לא מחובר למחשב"), Ui::vbOKOnly | Ui::vbHebrew);
    else if (UILanguage == 2)
        Ui::MsgBox(QStringLiteral("Cable USB-RS232 not connected to PC"), Ui::vbOKOnly);
}
}  // namespace

bool DescriptionMatches(const QString& description, bool serialAnywhere)
{
    const QString serial = QStringLiteral("Serial");
    if (serialAnywhere) return description.contains(serial);
    for (int j = description.indexOf(QLatin1String("USB")); j >= 0;
         j = description.indexOf(QLatin1String("USB"), j + 1))
        if (description.indexOf(serial, j + 3) >= 0) return true;
    return false;
}

PortSearchResult FindComPort(SComm& port, PortSearchFlags& flags, const std::function<void(int)>& progress)
{
    auto show = [&](int v) { if (progress) progress(std::min(v, 100)); };
    PortSearchResult result;
    ComPortNum = QStringLiteral("0");
    setPortClose(port);

    int bar = 0, matching = -1, found = 0;
    for (int n = 1; n <= PortCatalog::MaxPorts; ++n) {
        port.CommPort = n;
        const QString description = port.Description();
        bool last = false;
        if (!description.isEmpty()) {
            result.ComNumCmbo.push_back({Com(n) + QLatin1Char('-') + description, n});
            if (DescriptionMatches(description, flags.SerialAnywhere)) {
                found = n;
                matching = int(result.ComNumCmbo.size()) - 1;
                // The automatic search takes the first match, the manual one the last.
                if (!flags.ManualSearch) {
                    bar = 100 - ProgressStep;
                    last = true;
                }
            }
        }
        bar += ProgressStep;
        show(bar);
        if (last) break;
    }
    flags.ManualSearch = false;

    if (found == 0) {
        port.CommPort = 0;
        result.Label13 = QStringLiteral("---");
        NotFoundMessage();
    } else {
        ComPortNum = Str(found);
        result.ListIndex = matching;
        port.CommPort = found;
        result.Label13 = QLatin1Char('(') + Com(found) + QLatin1Char(')');
    }
    show(0);
    result.Label15 = found == 0 ? QString() : Com(found);
    flags.SerialAnywhere = false;
    return result;
}

QString ComNumCmbo_Click(SComm& port, const ComboEntry& entry)
{
    ComPortNum = Str(entry.port);
    port.CommPort = entry.port;
    return Com(entry.port);
}

QString SearchComPortText()
{
    return languages::ByLanguage(QStringLiteral("חיפוש יציאת תקשורת עם בקרה"), QStringLiteral("Search COM port"));
}

bool setPortOpen(SComm& port, const std::function<void()>& tell)
{
    if (port.PortOpen()) port.SetPortOpen(false);
    port.Settings = ComSettings;
    port.CommPort = int(ValInt(ComPortNum));
    if (port.SetPortOpen(true)) {
        // Bytes left from an earlier exchange (a late reply) must never be read as this one's.
        if (port.InBufferCount() > 0) port.Input();
        return true;
    }
    TransferError = true;
    if (tell) tell();
    else SayPortFault(port);
    return false;
}

void setPortClose(SComm& port)
{
    port.CommPort = int(ValInt(ComPortNum));
    if (port.PortOpen()) port.SetPortOpen(false);
}
