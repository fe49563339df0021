#pragma once
// A project for the devices window's tests: devices placed in the project table as a file or a
// download leaves them, with the type's fields, its position code and its groups.
#include <initializer_list>

#include "ProjectFixture.h"
#include "core/Conv.h"
#include "core/DataModel.h"
#include "core/languages.h"

class DevicesFixture : public ProjectFixture {
protected:
    void SetUp() override
    {
        ProjectFixture::SetUp();
        languages::SetLanguage(2);
        NameCheckQuiet = false;
        MultiAddrPos = 0;
        CurrentRow = 0;
        DataChanged = false;
    }

    // A device of `kind` at address a, part `cardAddr` of its device, in the given groups.
    static DeviceRecord& Put(int a, int kind, int cardAddr = 1, std::initializer_list<int> groups = {},
                             const QString& name = QString())
    {
        DeviceRecord& r = DeviceDataArray[size_t(a)];
        const DeviceKind::KindInfo* k = DeviceKind::Find(kind);
        r.ExtType = k ? k->extType : "24";
        r.BaseType = k ? k->baseType : "7";
        r.DeviceIsIn = !k || k->isInput ? "1" : "0";
        r.Exist = "1";
        r.CardAddr = ZeroPad(cardAddr, 2);
        r.FactoryName = languages::FactoryNameFor(a, kind, cardAddr);
        if (!name.isNull()) {
            r.NameExist = "1";
            r.DeviceName = name;
        }
        int n = 0;
        for (int g : groups) r.Grp[size_t(++n)] = ZeroPad(g, 2);
        r.NumOfGroups = ZeroPad(n, 2);
        return r;
    }

    // Group g with the given trigger and outputs.
    static void Group(int g, int trigger, std::initializer_list<int> outputs = {})
    {
        OutGrpRecord& grp = OutGrpArray[size_t(g)];
        grp.Trigger = Str(trigger);
        int n = 0;
        for (int o : outputs) grp.OutAddr[size_t(++n)] = ZeroPad(o, 3);
        grp.OutCount = Str(n);
    }
};
