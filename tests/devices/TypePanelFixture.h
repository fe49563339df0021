#pragma once
// The type panel on an empty 126-address working table, with a window stand-in that keeps the
// rows' name boxes and records which rows were refreshed.
#include <gtest/gtest.h>

#include <map>
#include <utility>
#include <vector>

#include "common/ProjectFixture.h"
#include "common/ScriptedPrompter.h"
#include "core/Conv.h"
#include "core/languages.h"
#include "devices/TypePanel.h"

class FakeRows : public TypePanelHost {
public:
    QString RowName(int a) const override
    {
        const auto it = names.find(a);
        return it == names.end() ? QString() : it->second;
    }
    void SetRowName(int a, const QString& n) override { names[a] = n; }
    void RefreshRows(int first, int last) override { refreshed.emplace_back(first, last); }

    std::map<int, QString> names;
    std::vector<std::pair<int, int>> refreshed;
};

class TypePanelTest : public ProjectFixture {
protected:
    using G = TypePanelTable::TypeGroup;
    static constexpr G In = TypePanelTable::Inputs;
    static constexpr G Out = TypePanelTable::Outputs;

    void SetUp() override
    {
        ProjectFixture::SetUp();
        languages::SetLanguage(2);
        ResetModule::ResetDevices(1, MaxAddress, 2);
        HighSens = 50, MediumSens = 65, LowSens = 85, High2Medium = 55, Medium2Low = 75;
        InputAlarmVal = 70, InputPREAlarmVal = 40;  // apart, so a swap shows
        AdminMode = true;
    }

    DeviceRecord& Rec(int a) { return DeviceDataArrayEdit[a]; }

    // The selected option of a frame, 0 for none.
    int SelectedIn(int frame) const
    {
        const auto& o = panel.Frame(frame).options;
        for (size_t i = 0; i < o.size(); ++i)
            if (o[i].selected) return int(i) + 1;
        return 0;
    }
    std::vector<int> Selections() const
    {
        std::vector<int> v;
        for (int f = 1; f <= 5; ++f) v.push_back(SelectedIn(f));
        return v;
    }

    // A new device of a type with the given choices (frame, option), applied; the second panel of
    // a two-address device is applied unchanged.
    void AddDevice(int address, G group, int index, const std::vector<std::pair<int, int>>& choices = {})
    {
        panel.EnableDevice(address);
        ASSERT_TRUE(panel.Shown());
        panel.ChooseType(group, index);
        for (auto [f, k] : choices) panel.ChooseSetting(f, k);
        panel.Apply();
        if (panel.SecondPanelPending()) panel.Apply();
        ASSERT_FALSE(panel.Shown());
    }

    FakeRows rows;
    TypePanel panel{rows};
};
