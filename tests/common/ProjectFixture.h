#pragma once
// A project of the tests' own: an empty project in a temporary project folder, with the
// program folder and home there too.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/DataModel.h"
#include "core/ResetModule.h"
#include "core/languages.h"
#include "platform/Environment.h"
#include "platform/Profile.h"

class ProjectFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        savedCwd_ = QDir::currentPath();
        ASSERT_TRUE(tmp.isValid());
        folder = tmp.path() + "/site/";
        QDir().mkpath(folder);
        QDir().mkpath(tmp.path() + "/prog");
        QDir().mkpath(tmp.path() + "/home");
        Environment::SetProgramFolder(tmp.path() + "/prog/");
        Environment::SetHome(tmp.path() + "/home");
        Environment::SetDocuments(QString());
        Environment::SetConfigFolder(tmp.path() + "/config/");
        UILanguage = 2;
        languages::SetLanguage(2);  // the labels too, so no test leans on one run before it
        MaxNumOfDevices = 126;
        AdminMode = false;
        SmallDisplay = false;
        ResetModule::ResetProject(true);
        usrDataPath = folder;
        DefaultDataPath.clear();
        ProjectFileName = "Site.HV6";
        ProjectName = "Site";
        ProjectFileOK = true;
        ProjectLoaded = false;
        VerComNum = VerSoftNum = VerHardNum = TechCode = "0000";
    }
    void TearDown() override
    {
        Profile::ClearTestHooks();
        Environment::SetProgramFolder(QString());
        Environment::SetHome(QString());
        Environment::SetConfigFolder(QString());
        QDir::setCurrent(savedCwd_);
    }

    QString ProjectPath() const { return usrDataPath + ProjectName + ".HV6"; }

    static QByteArray Bytes(const QString& path)
    {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) return {};
        return f.readAll();
    }
    static void WriteBytes(const QString& path, const QByteArray& bytes)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
        f.write(bytes);
    }

    QTemporaryDir tmp;
    QString folder;

private:
    QString savedCwd_;
};
