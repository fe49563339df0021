#pragma once
// The operating groups window's working copy and rules, without widgets: which inputs trigger
// each of the 32 groups (DevGrpArray, per input), which outputs each group drives and how many
// inputs in alarm it needs (GrpEditArray), the moves in and out of a group, the trigger
// options, the button colours, deleting, the special dialer groups and the save.
//
// The four lists of a group are derived from the two tables, so they can never disagree with
// them: an offered input is in GroupInputs(g) exactly when g is among its links, an offered
// output is in GroupOutputs(g) exactly when it is among OutAddr(1..OutCount). Every list is in
// ascending address order (its items sort by text, and every item text starts with the
// three-digit address); the special outputs 201, 202, 205 come after the loop addresses.
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include <QString>

#include "core/DataModel.h"
#include "core/Message.h"

struct DevGrpRecord {
    int16_t NumOfGroups = 0;          // 0..4
    std::array<int16_t, 5> Grp{};     // 1..NumOfGroups valid, group numbers 1..32; 0 none
};

struct GrpEditRecord {
    int16_t GrpNo = 0;
    int16_t OutCount = 0;             // 0..6
    std::array<int16_t, 7> OutAddr{}; // 1..OutCount valid: 1..126, 201, 202, 205; 0 empty
    int16_t Trigger = 0;              // 0..3
    QString GrpName;                  // the text of the group's name box
};

// The colour of a group button, by the group's lists.
enum class GroupState { Empty, Incomplete, Complete };
// &HBBGGRR: blue (55,155,255), pink (255,155,155), green (155,255,155).
uint32_t GroupStateColour(GroupState s);

class GroupsModel {
public:
    // Fills the tables from the shared project: memberships of existing devices, the 32 groups
    // and their names, the offered special outputs. Whatever the file or the panel gave is held
    // to range here: an input keeps at most 4 distinct links to groups 1..32, a group at most 6
    // distinct outputs that are loop addresses or 201/202/205, and a group with inputs a
    // trigger of 1 to min(inputs, 3).
    void LoadGroups();

    std::array<DevGrpRecord, MaxAddress + 1> DevGrpArray{};
    std::array<GrpEditRecord, MaxGroups + 1> GrpEditArray{};
    // The group whose list last received the focus (0: none).
    int16_t FocusGroup = 0;

    // What the window offers.
    bool IsOfferedInput(int address) const;
    bool IsOfferedOutput(int address) const;  // loop outputs and the flagged special outputs
    // The text of a list item: the three-digit address, a blank and the 16-character name;
    // a special output's 16-character text.
    QString ItemText(int address) const;
    // The address an item text starts with.
    static int ItemAddress(const QString& itemText);

    // The four lists of group g (1..32; empty for another number).
    std::vector<int> SystemInputs(int g) const;
    std::vector<int> GroupInputs(int g) const;
    std::vector<int> SystemOutputs(int g) const;
    std::vector<int> GroupOutputs(int g) const;

    // Moves, each on the offered items of its source list only; items are handled in
    // descending address order. Adding inputs refuses, item by item, an input already in 4
    // groups (one message each); any input added sets the trigger to 1. Removing inputs gives
    // the last link the freed slot and sets the trigger to 1, or 0 when none is left.
    std::vector<Message> AddInputs(int g, const std::vector<int>& addresses);
    void RemoveInputs(int g, const std::vector<int>& addresses);
    // Refused as a whole when the group would hold more than 6 outputs, counting every output
    // it holds (special outputs that are not offered included). Outputs leave the trigger alone.
    std::optional<Message> AddOutputs(int g, const std::vector<int>& addresses);
    void RemoveOutputs(int g, const std::vector<int>& addresses);

    // The trigger options offered for group g: options 1 to the returned number (0..3).
    int TriggerOptions(int g) const;
    // Option k chosen for group g; only an offered option writes the trigger.
    bool SetTrigger(int g, int k);

    GroupState State(int g) const;
    // Inputs listed without outputs listed, or the other way round.
    bool IsIllegal(int g) const;

    // Group g without inputs and outputs (its name stays; it keeps its trigger when it had no
    // inputs, else the trigger becomes 0).
    void EmptyGroup(int g);
    void DeleteAll();

    // Groups 31 (two alarms from analogue detectors or beam cards) and 32 (one alarm from call
    // points or alarm/fault cards) rebuilt to call the fire department through output 205.
    // Returns the messages to show, in order. Nothing happens unless the dialer is offered.
    bool DialerOffered() const { return dialer_; }
    std::vector<Message> SpecialDialer();

    // The save on Yes: empties the illegal groups, writes the memberships of existing inputs
    // (NumOfGroups, Grp, WithAlarmGroup) and the 32 groups back, and sets NumOfActiveGroups
    // and DataChanged.
    void Save();
    // No to the closing question: nothing written, DataChanged cleared.
    static void Discard();

    // The device the information line describes: the one a click in a list last pointed at (the
    // topmost item selected there), kept across later edits until the window points it elsewhere
    // or at none (0). An address that the window does not list is none.
    void PointInfoAt(int address);
    int InfoDevice() const { return info_; }

    int16_t Language() const { return lang_; }
    int LastAddress() const { return last_; }

private:
    bool InGroup(int address, int g) const;
    bool Holds(int g, int address) const;
    bool IsLoopOutput(int address) const;
    std::vector<int> Offered(int g, bool inputs, bool inGroup) const;
    std::vector<int> Staged(const std::vector<int>& addresses, const std::vector<int>& source) const;
    void BuildDialerGroup(int g, const std::vector<int>& kinds, int needed, std::vector<Message>& messages);

    int16_t lang_ = 2;
    int last_ = 0;
    int info_ = 0;
    bool relay1_ = false, relay2_ = false, dialer_ = false;
};
