#pragma once
// The main card settings window's working copy and rules: which option of each pair is chosen,
// the couplings between pairs, the load from and the commit to the shared system data, and the
// closing question. The window shows it and forwards the clicks.
#include <array>
#include <cstdint>

#include <QString>
#include <QStringList>

#include "configeditors/CardSettingsLayout.h"

namespace CardSettings {

// The option pairs the user sees, one shared field each.
enum Pair : int {
    Panel1OnOff,
    Panel2OnOff,
    PS1OnOff,
    PS2OnOff,
    SysFlags2RlyA1Silence,
    SysFlags2RlyA1NotSys,
    SysFlags2RlyA2NotSys,
    SysFlagsSlave,
    SysFlags2RlyFltStart,
    SysFlagsLoopSysStat,
    SysFlagsSilenceWithCod,
    SysFlagsLF_NO,
    SysFlags2DialerANotSys,
    SysFlags2DialerFAsAlarm,
    PairCount
};

struct PairInfo {
    Pair pair;
    const char* name;        // the option collection's name
    const char* innerFrame;  // the inner frame that holds it
    Section section;
    int offset;              // stored value = option index + offset (the loop class: 3)
    int digits;              // width of the stored text
    QString (*read)();       // the shared field
    void (*write)(const QString&);
};

// Every visible pair, in the order of the enum.
const std::array<PairInfo, PairCount>& Pairs();
const PairInfo& Info(Pair p);

// The option a stored field stands for: (value - offset) when that is 0 or 1, else 0, so a
// damaged field opens on the pair's first option.
int IndexOfStored(const QString& field, int offset = 0);
// The text an option index stores: the index plus the offset, with leading zeros to `digits`.
QString StoredText(int index, int offset, int digits);

// Colours of one option button (&HBBGGRR).
struct OptionColours {
    uint32_t back;
    uint32_t fore;
};

// The load order of the pairs: the loop class first, the remote units last.
const std::array<Pair, PairCount>& LoadOrder();

class CardSettingsModel {
public:
    // Nothing chosen, every pair enabled (the window before its load).
    CardSettingsModel();

    // Chooses every pair's stored option in the load order; each choice runs the click rule.
    void Load();

    // The click rule: chooses option k of the pair and applies its couplings. Choosing the
    // option already chosen, an index other than 0 or 1, or an option of a locked pair changes
    // nothing. Returns true when something changed.
    bool Choose(Pair p, int k);

    // The chosen index, -1 before the pair's first choice.
    int Chosen(Pair p) const { return chosen_[p]; }
    // False while the pair is locked (the fault-relay events while the relay is reversed).
    bool Enabled(Pair p) const { return enabled_[p]; }
    // The colours of option k as the click rule paints them.
    OptionColours Colours(Pair p, int k) const;

    // Yes to the closing question: every chosen option into its field, the fixed values of the
    // hidden sections, and DataChanged set.
    void Commit() const;
    // No: nothing written, DataChanged cleared.
    static void Discard();

    // Runs the answer to the closing question; true when the window may close.
    bool Answer(int answer) const;

private:
    std::array<int, PairCount> chosen_;
    std::array<bool, PairCount> enabled_;
};

// The fixed values a commit writes into the fields of the hidden sections.
namespace Fixed {
inline const QString ResetWithCod = QStringLiteral("1");
inline const QString Spare = QStringLiteral("0");
inline const QString NightEna = QStringLiteral("0");
inline const QString VrstDly = QStringLiteral("0");
inline const QString NightTime = QStringLiteral("0000");
inline const QString NumOfSys = QStringLiteral("01");
}  // namespace Fixed

// The panel-number list ("01" to "32"), refilled each time it drops down.
QStringList PanelNumberList();

}  // namespace CardSettings
