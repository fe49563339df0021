#pragma once
// The start dialog: fixes the folders, shows a clock and offers New project, Open project and
// Exit. A chosen project hides it and runs the main window; it comes back when that closes.
#include <array>
#include <cstdint>

#include <QColor>
#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;
class QTimer;
class ClickLabel;

class frm3Dialog : public QDialog {
    Q_OBJECT
public:
    explicit frm3Dialog(QWidget* parent = nullptr);
    ~frm3Dialog() override;

    // The start dialog in use, or nullptr (the main window shows it again and runs its clock).
    static frm3Dialog* Current();

    // The file choices of New and Open.
    void fileNew();
    void fileOpen();
    // Kept for the callers of the original interface; it does nothing.
    void aaa(int cmnDlgFlag, const QString& cmnDlgTitle, const QString& cmnDlgFilter);

    // The folder set-up, run when the dialog first comes up and each time the main window returns
    // to it (never from mere activation: a message box over it must not re-run it).
    void Form_Activate();

    void newCmd_Click();
    void openCmd_Click();
    void ExitCmd_Click();
    void Timer1_Timer();

    QColor Shape1Color() const { return shape1Color_; }

    QLabel* Picture1;
    QLabel* Label1;
    QLabel* Label2;
    QFrame* Shape1;
    std::array<ClickLabel*, 3> LnguageLbl{};  // 1 Hebrew, 2 English
    QPushButton* newCmd;
    QPushButton* openCmd;
    QPushButton* ExitCmd;
    QTimer* Timer1;

protected:
    // Closing in any way asks first; Yes ends the program.
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void reject() override;

private:
    void Form_Load();
    void SetLanguage(int16_t lang);
    void LnguageLbl_Click(int index);
    void TakeChosenFile(const QString& path);
    void OpenChosenProject();
    void RunMainWindow();
    void SetShape1Color(const QColor& c);

    QColor shape1Color_;
};
