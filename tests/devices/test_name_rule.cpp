// One name rule for every way a name enters the devices window: a row's name box, the names
// import and the type panel's name box keep the same of a name (cleaned, in upper case), except
// that the type panel keeps nothing of a refused one; and none keeps a name of one character,
// blanks or no blanks.
#include <random>

#include <gtest/gtest.h>

#include "DevicesFixture.h"
#include "ScriptedPrompter.h"
#include "devices/DevicesEditor.h"
#include "devices/NamesImport.h"
#include "devices/TypePanel.h"

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
    // Each entry as the window runs it, on the editor that holds the row: what the row's box holds
    // afterwards.
    QString Imported(const QString& name, bool* refused = nullptr)
    {
        // Quoted where the field's edges would otherwise be dropped or taken for quotes.
        QString field = name;
        if (name.trimmed() != name || name.startsWith('"'))
            field = '"' + QString(name).replace("\"", "\"\"") + '"';
        editor.Row(5).nameText = "OLD";
        const NamesImport::Outcome o = editor.ImportNames("5," + field + "\r\n");
        if (refused) *refused = o.invalidList == "5";
        return editor.Row(5).nameText;
    }
    QString Panel(const QString& typed)
    {
        TypePanel panel(editor);
        panel.DeviceSettings(5);
        panel.SetName(typed);
        panel.Apply();
        return editor.Row(5).nameText;
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
        // One character and blanks: one character all the same.
        {"a ", "", "", ""},
        {"  b", "", "", ""},
        {QStringLiteral(u"A ü`}; "), "", "", ""},
        {"A               B", "", "", ""},  // cut to 16, one letter and blanks are left
        {"a b", "A B", "A B", "A B"},
        {"  ", "", "", ""},  // blanks only: the empty name
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

// Random names of every class of character, in either case, blanks at the edges included: a row
// and the import store the same, none keeps a one-character name, and the type panel, which takes
// 16 characters as they are typed, stores the row's name unless the import calls it invalid, and
// then nothing.
TEST_F(NameRuleTest, TheThreeEntriesStoreTheSameOfAnyName)
{
    const QString letters = QStringLiteral(u"abcxyzABCXYZ0129אבת");
    const QString others = QStringLiteral(u"!#&'()*+,-./$%:;<=>?@[]_`{|}~\"\u05B0é");
    std::mt19937 rng(1106);
    auto pick = [&](const QString& from) { return from[int(rng() % from.size())]; };
    for (int run = 0; run < 600; ++run) {
        QString name;
        const int n = int(rng() % 22);
        for (int i = 0; i < n; ++i) {
            const unsigned kind = rng() % 6;
            name += kind < 2 ? QChar(' ') : pick(kind < 4 ? letters : others);
        }
        SCOPED_TRACE(name.toStdString());
        bool refused = false;
        const QString row = Row(name);
        EXPECT_EQ(row, Imported(name, &refused));
        EXPECT_NE(row.trimmed().size(), 1) << "a one-character name";
        if (n <= 16) EXPECT_EQ(Panel(name), refused ? QString() : row);
        if (HasFailure()) break;
    }
}

}  // namespace
