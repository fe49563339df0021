// The main window's project commands: the project file, Update, save-as, the folder buttons and
// the closing question.
#include <stdexcept>

#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include "core/CSetting.h"
#include "core/Conv.h"
#include "core/DataModel.h"
#include "core/MainMdl.h"
#include "core/SettingsFile.h"
#include "startup/StartDialogLogic.h"
#include "startup/frm3Dialog.h"
#include "mainwindow/MainTexts.h"
#include "projectfile/ProjectFile.h"
#include "mainwindow/frm4Main.h"
#include "platform/Environment.h"
#include "platform/FileDialog.h"
#include "platform/Shell.h"
#include "platform/Ui.h"

CSetting& frm4Main::Setting()
{
    if (!setting_) setting_ = std::make_unique<CSetting>();
    return *setting_;
}

std::array<QLineEdit*, 5> frm4Main::DetailBoxes() const
{
    return {ProjectAddr, ProjectContact, ProjectContactTel, ProjectInstallDate, ProjectMiscellaneousness};
}

void frm4Main::CopyDetailBoxes()
{
    ProjectDetails.Addr = ProjectAddr->text();
    ProjectDetails.Cont = ProjectContact->text();
    ProjectDetails.Tel = ProjectContactTel->text();
    ProjectDetails.Inst = ProjectInstallDate->text();
    ProjectDetails.Misc = ProjectMiscellaneousness->text();
}

bool frm4Main::FileSave()
{
    if (ProjectFileName.isEmpty()) {
        if (const auto m = MainTexts::MissingFileName(UILanguage)) ShowMessage(*m);
        ProjectFileOK = false;
        QuietSave = false;
        return false;
    }
    QDir::setCurrent(usrDataPath);
    QString error;
    ProjectFile::Replaced mended;
    const bool saved = ProjectFile::Write(Setting(), ProjectFile::CurrentHeader(), &error, &mended);
    // The save recounts; the labels show what the file now holds.
    Label4->setText(Str(ValInt(NumOfDevices.str())));
    Label16->setText(Str(NumOfActiveGroups));
    if (mended.any()) ShowMessage(PlacesMessage(UILanguage, PlacesSource::Save, mended));
    if (!saved)
        ShowMessage(MainTexts::SaveFailed(UILanguage, usrDataPath + ProjectName + ProjectFile::Extension, error));
    else if (!QuietSave)
        if (const auto m = MainTexts::SavedInFile(UILanguage, ProjectFileName)) ShowMessage(*m);
    QuietSave = false;
    return saved;
}

void frm4Main::FileOpen1()
{
    const ProjectFile::Contents c = ProjectFile::Open();
    detailHolders_ = c.details;
    FileSiteName = c.FileSiteName;
    FileUpdated = c.FileUpdated;
    FileSoftName = c.FileSoftName;
    FileSoftwareVersion = c.FileSoftwareVersion;
    ShowModel();
    // The load shows the reason; the project holds what could be read.
    if (!c.ok) throw std::runtime_error(c.error.toStdString());
}

bool frm4Main::Update()
{
    CopyDetailBoxes();
    Label4->setText(Str(ValInt(NumOfDevices.str())));
    Usefull::SaveIniFile();  // says so itself when it cannot write; the project is saved anyway
    return FileSave();
}

void frm4Main::UpDateCmd_Click() { Update(); }

void frm4Main::Command4_Click() { FileSaveAs(); }

void frm4Main::FileSaveAs()
{
    // The new file holds the details as they stand in the boxes, as Update writes them.
    CopyDetailBoxes();
    QDir::setCurrent(usrDataPath);

    FileDialog::Options options;
    options.title = MainTexts::SaveAsTitle;
    options.filter = ProjectFile::FileFilter;
    options.initialFolder = usrDataPath;
    options.proposedName = ProjectFileName;
    options.save = true;
    const FileDialog::Result chosen = FileDialog::Run(options, this);
    if (chosen.cancelled || chosen.path.isEmpty()) return;

    // The name and the folder change only for an accepted name.
    const StartDialogLogic::ChosenFile file = StartDialogLogic::SplitChosenPath(chosen.path);
    if (!ProjectFile::IsProjectFileName(file.name)) {
        if (const auto m = MainTexts::InvalidFileName(UILanguage)) ShowMessage(*m);
        return;
    }
    if (MainMdl::FileExists(file.folder + file.name)) {
        const auto q = MainTexts::ReplaceQuestion(UILanguage);
        if (q && ShowMessage(*q) != Ui::vbYes) return;
    }

    const QString keptFileName = ProjectFileName, keptName = ProjectName, keptFolder = usrDataPath;
    ProjectFileName = file.name;
    ProjectName = ProjectFile::NameWithoutExtension(file.name);
    usrDataPath = file.folder;
    if (FileSave()) {
        QDir::setCurrent(usrDataPath);
    } else {
        // Not written: the project keeps the file it has.
        ProjectFileName = keptFileName;
        ProjectName = keptName;
        usrDataPath = keptFolder;
    }
    siteNameTxt->setText(ProjectName);
    siteNameTxt->setCursorPosition(0);
}

void frm4Main::DefaultFolderLocation_Click()
{
    DefaultDataPath = StartDialogLogic::DefaultFolderFor(Environment::Documents());
    usrDataPath = DefaultDataPath;
    // An existing folder is no failure; a folder that cannot be made is found at the next save.
    QDir().mkpath(DefaultDataPath);
}

void frm4Main::ProgFolderBttn_Click() { Shell::OpenFolder(usrDataPath); }

void frm4Main::Command5_Click()
{
    Picture6->hide();
    StatBar->show();
}

bool frm4Main::Form_QueryUnload()
{
    switch (ShowMessage(MainTexts::ExitQuestion(UILanguage))) {
    case Ui::vbYes:
        // A project that could not be saved keeps the window open.
        if (!Update()) return true;
        break;
    case Ui::vbNo:
        break;
    default:
        return true;
    }
    // Back to the start dialog, whose clock runs again.
    if (frm3Dialog* start = frm3Dialog::Current())
        if (!start->Timer1->isActive()) start->Timer1->start();
    return false;
}
