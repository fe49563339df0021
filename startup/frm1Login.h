#pragma once
// The login window: the user name, the password (two are accepted, one of them for the
// administrator), the language of the session and the list of news. A correct password opens
// the start dialog; the sixth wrong one ends the program.
#include <array>
#include <cstdint>

#include <QDialog>

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class ClickLabel;

class frm1Login : public QDialog {
    Q_OBJECT
public:
    explicit frm1Login(QWidget* parent = nullptr);

    // OK presses so far, successful or not.
    int16_t falseLogin = 0;

    void cmdOK_Click();
    void cmdCancel_Click();
    void Label2_Click();
    // Key code 13 (Enter) presses OK.
    void txtPassword_KeyPress(int keyAscii);

    QLineEdit* txtUserName;
    QLineEdit* txtPassword;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
    std::array<QLabel*, 2> lblLabels{};
    std::array<ClickLabel*, 3> LnguageLbl{};  // 1 Hebrew, 2 English
    QLabel* Label1;
    ClickLabel* Label2;
    QFrame* Picture1;
    QListWidget* List1;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void Form_Load();
    void SetLanguage(int16_t lang);
    void LnguageLbl_Click(int index);
};
