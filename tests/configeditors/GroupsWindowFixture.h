#pragma once
// The groups window on the site project of the groups tests, relay 1 and the dialer driven by
// groups, with message boxes answered from a script.
#include <QApplication>
#include <QFocusEvent>
#include <QListWidget>
#include <QPushButton>

#include "GroupsFixture.h"
#include "configeditors/frm8Groups.h"
#include "tests/common/ScriptedPrompter.h"

class GroupsWindowTest : public GroupsTest {
protected:
    // The group buttons' colours.
    static constexpr uint32_t Blue = 0xFF9B37, Pink = 0x9B9BFF, Green = 0x9BFF9B;

    void SetUp() override
    {
        GroupsTest::SetUp();
        SiteDevices();
        Flags(true, false, true);
    }

    static QStringList Items(const QListWidget* l)
    {
        QStringList t;
        for (int i = 0; i < l->count(); ++i) t << l->item(i)->text();
        return t;
    }
    static std::vector<int> Addresses(const QListWidget* l)
    {
        std::vector<int> a;
        for (int i = 0; i < l->count(); ++i) a.push_back(GroupsModel::ItemAddress(l->item(i)->text()));
        return a;
    }
    static void Select(QListWidget* l, std::initializer_list<int> addresses)
    {
        for (int i = 0; i < l->count(); ++i)
            for (int a : addresses)
                if (GroupsModel::ItemAddress(l->item(i)->text()) == a) l->item(i)->setSelected(true);
    }
    static void Focus(QWidget* w)
    {
        QFocusEvent e(QEvent::FocusIn, Qt::MouseFocusReason);
        QApplication::sendEvent(w, &e);
    }
    // OK, then the closing question and, after Yes, the warning.
    void CloseWith(frm8Groups& w, int answer)
    {
        prompter.Expect("Save data ?", answer);
        if (answer == Ui::vbYes) prompter.Expect("All illegal groups will be deleted", Ui::vbOK);
        w.SaveAndExitBttn->click();
        EXPECT_EQ(prompter.Pending(), 0);
    }

    ScriptedPrompter prompter;
};
