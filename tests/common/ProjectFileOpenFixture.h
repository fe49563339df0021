#pragma once
// The project file written, read and opened in the tests' project folder, with the boxes the open
// shows in `prompter`.
#include "ProjectFixture.h"
#include "core/CSetting.h"
#include "projectfile/ProjectFile.h"
#include "tests/common/ScriptedPrompter.h"

class ProjectFileOpenTest : public ProjectFixture {
protected:
    // Writes the shared project with the writer and gives the file's bytes.
    QByteArray Save()
    {
        CSetting setting;
        QString error;
        EXPECT_TRUE(ProjectFile::Write(setting, {"10/12/2026 08:00:00", "Verdal5000"}, &error)) << error.toStdString();
        return Bytes(ProjectPath());
    }
    // Opens `file` as the main window does; the boxes shown are in `prompter`.
    ProjectFile::Contents Open(const QByteArray& file)
    {
        ResetModule::ResetProject(false);
        WriteBytes(ProjectPath(), file);
        return ProjectFile::Open();
    }
    // Reads `file` without a word.
    ProjectFile::Contents Read(const QByteArray& file)
    {
        ResetModule::ResetProject(false);
        WriteBytes(ProjectPath(), file);
        return ProjectFile::Read();
    }
    ScriptedPrompter prompter;
};
