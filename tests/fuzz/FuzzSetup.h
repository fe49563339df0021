#pragma once
// Shared set-up of the decoder fuzz targets: a fresh project, message boxes answered at once,
// and the fuzz input cut into received records the way the engine stores them.
#include <cstddef>
#include <cstdint>
#include <algorithm>
#include <array>
#include <map>
#include <utility>
#include <cstdio>
#include <cstdlib>

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QString>

#include "core/DataModel.h"
#include "core/ProjectWhole.h"
#include "core/ResetModule.h"
#include "core/languages.h"
#include "panellink/LinkState.h"
#include "platform/Ui.h"

namespace fuzz {

// Stops the run on a broken promise of the code under test, saying which.
inline void Require(bool ok, const char* file = __builtin_FILE(), int line = __builtin_LINE())
{
    if (ok) return;
    std::fprintf(stderr, "broken promise at %s:%d\n", file, line);
    std::abort();
}

// A folder of the run's own for the files a target writes, in memory when the system offers it;
// removed when the run ends.
inline const QString& ScratchFolder()
{
    struct Folder {
        QString path;
        Folder()
        {
            const QString base = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
            path = base + QStringLiteral("/vd-fuzz-%1/").arg(QCoreApplication::applicationPid());
            QDir().mkpath(path);
        }
        ~Folder() { QDir(path).removeRecursively(); }
    };
    static const Folder folder;
    return folder.path;
}

// The fresh project of one model and language, made once and then copied (the copies share
// their texts, so a run costs no allocation storm under the address sanitizer).
struct Snapshot {
    std::array<DeviceRecord, MaxAddress + 1> devices;
    std::array<OutGrpRecord, MaxGroups + 1> groups;
    std::array<HistoryRecord, MaxHistory + 1> history;
    std::array<QString, MaxHistory + 1> lines;
    SysFlagsRecord flags;
    SysFlags2Record flags2;
    RemoteUnitsRecord units;
};

inline const Snapshot& Fresh(int16_t model, int16_t language)
{
    static std::map<std::pair<int, int>, Snapshot> made;
    auto it = made.find({model, language});
    if (it != made.end()) return it->second;
    MaxNumOfDevices = model;
    languages::SetLanguage(language);
    ResetModule::ResetProject(true);
    ResetModule::ResetHistory();
    return made[{model, language}] = Snapshot{DeviceDataArray, OutGrpArray, HistoryArray, HistoryLines,
                                              SysFlags, SysFlags2, RemoteUnits};
}

// Input: byte 0 chooses the model (odd: 50 addresses, else 126), the language and an early end
// frame; then records, each a length byte followed by that many bytes (cut short at the end).
inline void Prepare(const uint8_t* data, size_t size)
{
    static const bool once = [] {
        Ui::SetPrompter([](const Ui::MsgBoxCall&) { return int(Ui::vbOK); });
        return true;
    }();
    (void)once;
    const uint8_t first = size > 0 ? data[0] : 0;
    const int16_t model = (first & 1) ? 50 : 126, language = (first & 2) ? 1 : 2;
    const Snapshot& s = Fresh(model, language);
    MaxNumOfDevices = model;
    languages::SetLanguage(language);
    DeviceDataArray = s.devices;
    OutGrpArray = s.groups;
    HistoryArray = s.history;
    HistoryLines = s.lines;
    SysFlags = s.flags;
    SysFlags2 = s.flags2;
    RemoteUnits = s.units;
    // The counts too: an input that leaves the project as it found it must not inherit the last one's.
    ProjectWhole::Recount();
    LinkState::BeginBlock();
    TransferError = false;
    SendAllowed = false;
    ProjectLoaded = false;

    size_t at = 1;
    int i = 0;
    while (at < size && i < FrameArraySize - 1) {
        const size_t length = data[at++];
        const size_t take = std::min(length, size - at);
        LinkState::StoreRecord(++i, QByteArray(reinterpret_cast<const char*>(data + at), int(take)));
        at += take;
    }
    // Sometimes the panel's end frame came early: fewer records than were stored.
    if ((first & 4) && i > 0) LinkState::StoreEnd(i);
}

}  // namespace fuzz
