// One name rule for every way a name enters the devices window: a row's name box, the names
// import and the type panel's name box keep the same of a name (cleaned, in upper case), except
// that the type panel keeps nothing of a refused one.
#include <random>

#include <gtest/gtest.h>

#include "DevicesFixture.h"
#include "ScriptedPrompter.h"
#include "TypePanelFixture.h"
#include "devices/DevicesEditor.h"
#include "core/ResetModule.h"
#include "devices/NamesImport.h"

namespace {

class NameRuleTest : public DevicesFixture {
protected:
    void SetUp() override
    {
        DevicesFixture::SetUp();
        Put(5, DeviceKind::SmokeDetector, 1, {}, "OLD");
        editor.Form_Load();
        NameCheckQuiet = true;  // the check's boxes are the check's own tests
    }
    void TearDown() override
    {
        NameCheckQuiet = false;
        DevicesFixture::TearDown();
    }

    QString Row(const QString& typed)
    {
        editor.Row(5).nameText = typed;
        editor.NewName_LostFocus(5);
        return editor.Row(5).nameText;
    }
    QString Imported(const QString& name)
    {
        NamesImport::NameBoxes boxes;
        NamesImport::Import("5," + name + "\r\n", boxes);
        return boxes[5];
    }
    QString Panel(const QString& typed)
    {
        ResetModule::ResetDevices(6, 6, 2);
        FakeRows rows;
        TypePanel panel(rows);
        panel.EnableDevice(6);
        panel.SetName(typed);
        panel.Apply();
        return rows.names[6];
    }

    DevicesEditor editor;
    ScriptedPrompter prompter;
};

TEST_F(NameRuleTest, EveryEntryKeepsTheSameOfAName)
{
    struct Case {
        QString typed;
        QString row, imported, panel;
    };
    const Case cases[] = {
        {"lobby 2", "LOBBY 2", "LOBBY 2", "LOBBY 2"},
        {"Lobby East 2", "LOBBY EAST 2", "LOBBY EAST 2", "LOBBY EAST 2"},
        {"hall$b", "HALLB", "HALLB", ""},
        // One character left after cleaning: refused everywhere.
        {"a?", "", "", ""},
        {"a$", "", "", ""},
        {"$B", "", "", ""},
        {"x", "", "", ""},
        // Cleaned whole, then cut (the panel's box takes 16 characters as they are typed).
        {"ABCDEFGHIJKLMNO$P", "ABCDEFGHIJKLMNOP", "ABCDEFGHIJKLMNOP", ""},
        {"ABCDEFGHIJKLMNOPQR", "ABCDEFGHIJKLMNOP", "ABCDEFGHIJKLMNOP", "ABCDEFGHIJKLMNOP"},
        {"", "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        EXPECT_EQ(Row(c.typed), c.row);
        EXPECT_EQ(Imported(c.typed), c.imported);
        EXPECT_EQ(Panel(c.typed), c.panel);
    }
}

// Random names of every class of character, in either case: a row and the import store the same.
// (A name starts and ends with a letter or a digit, since the import drops a field's edge blanks;
// the import's box keeps a blank the cut to 16 leaves at the end, which the field pads anyway.)
TEST_F(NameRuleTest, ARowAndTheImportStoreTheSameOfAnyName)
{
    const QString ends = QStringLiteral(u"abcxyzABCXYZ0129אבת");
    const QString inside = ends + QStringLiteral(u" !#&'()*+,-./$%:;<=>?@[]_`{|}~\u05B0é");
    std::mt19937 rng(1106);
    auto pick = [&](const QString& from) { return from[int(rng() % from.size())]; };
    for (int run = 0; run < 400; ++run) {
        QString name;
        const int n = int(rng() % 22);
        for (int i = 0; i < n; ++i) name += pick(i == 0 || i == n - 1 ? ends : inside);
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(Row(name), Imported(name).trimmed());
        if (HasFailure()) break;
    }
}

}  // namespace
