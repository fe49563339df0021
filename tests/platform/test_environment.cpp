#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include "platform/Environment.h"

namespace {

class EnvironmentTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        Environment::SetUserName({});
        Environment::SetHome({});
        Environment::SetDocuments({});
        Environment::SetProgramFolder({});
        Environment::SetConfigFolder({});
        Environment::SetExecutableName({});
    }
};

}  // namespace

TEST_F(EnvironmentTest, ProgramFolderAndExecutableName)
{
    EXPECT_EQ(Environment::ProgramFolder(), QCoreApplication::applicationDirPath() + "/");
    EXPECT_EQ(Environment::ExecutableName(), "test_platform");
    Environment::SetProgramFolder("/opt/verdal");
    EXPECT_EQ(Environment::ProgramFolder(), "/opt/verdal/");
    Environment::SetExecutableName("Verdal5000");
    EXPECT_EQ(Environment::ExecutableName(), "Verdal5000");
}

TEST_F(EnvironmentTest, TemporaryHomeHoldsDocumentsAndConfiguration)
{
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    Environment::SetHome(home.path() + "/");
    EXPECT_EQ(Environment::Home(), home.path());
    EXPECT_EQ(Environment::Documents(), home.path() + "/Documents");
    EXPECT_EQ(Environment::ConfigFolder(), home.path() + "/.config/Verdal5000/");
    Environment::SetDocuments(home.path() + "/docs");
    EXPECT_EQ(Environment::Documents(), home.path() + "/docs");
}

TEST_F(EnvironmentTest, RealValuesAreNeverEmpty)
{
    EXPECT_FALSE(Environment::UserName().isEmpty());
    EXPECT_FALSE(Environment::Home().isEmpty());
    EXPECT_NE(Environment::Documents(), Environment::Home());
    EXPECT_TRUE(Environment::ConfigFolder().endsWith("/Verdal5000/"));
    Environment::SetUserName("technician");
    EXPECT_EQ(Environment::UserName(), "technician");
    Environment::SetUserName({});
    EXPECT_NE(Environment::UserName(), "technician");
}
