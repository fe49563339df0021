#pragma once
// The frame shared by the four report windows: the report's lines in a list, the SAVE, PRINT,
// export (Excel) and EXIT buttons, the heading, and the question "Save the file ?" on closing.
// What a window shows, writes and exports is its model's (reports/ReportModel.h).
#include <cstdint>
#include <memory>

#include <QString>

#include "platform/AskingDialog.h"
#include "reports/ReportModel.h"

class QLabel;
class QListWidget;
class QPushButton;

class frmReport : public AskingDialog {
    Q_OBJECT
public:
    ~frmReport() override;

    // The captions and sizes of the window's language and display size (run when it is built).
    void Form_Load();
    // Rebuilds the report in NewList from the project data and sets TxtFilePath (run each time
    // the window is shown).
    void Form_Activate();
    // Kept for the callers of the original interface; it does nothing.
    void filePrint();
    // Asks for a printer and prints the text file at `path`; true when it was printed.
    bool printTxtFile(const QString& path);
    // Writes the report file TxtFilePath; false, after a message naming the file, when it could
    // not be written.
    bool saveTxtFile();

    void prnCmd_Click();
    void saveLogCmd_Click();
    void Command1_Click();
    void ExitCmd_Click();
    // The closing question; true keeps the window open.
    bool Form_QueryUnload() override;

    // The report file's path, valid from the first activation on.
    QString TxtFilePath;

    QLabel* Label2;
    QListWidget* NewList;
    QPushButton* Command1;
    QPushButton* saveLogCmd;
    QPushButton* prnCmd;
    QPushButton* ExitCmd;
    QLabel* Koteret;

protected:
    frmReport(ReportWindow window, QWidget* parent);
    int16_t language() const { return lang_; }

    void showEvent(QShowEvent* e) override;

private:
    std::unique_ptr<ReportModel> model_;
    int16_t lang_ = 2;
};
