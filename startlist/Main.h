#pragma once
// Duoplan's main window: the start list as a numbered list of pairs, the table count, the draw
// range, the entry editor and the file commands.
#include <QMainWindow>
#include <array>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "platform/Dialogs.h"
#include "platform/ReplacingFile.h"
#include "platform/Streams.h"

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;

namespace platform {
class TListView;
class TUpDown;
}  // namespace platform

namespace startlist {

class TAboutForm;

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    // arguments[0] is the program file, arguments[1] an optional start list to open.
    explicit TMainForm(std::vector<std::string> arguments);
    ~TMainForm() override;

    // Controls.
    QLabel* lbFile;
    QLabel* Label2;
    QLineEdit* edBord;
    platform::TUpDown* udBord;
    QPushButton* bnProcess;
    QLabel* Label4;
    QLineEdit* edLo;
    platform::TUpDown* udLo;
    QLabel* Label5;
    QLineEdit* edHi;
    platform::TUpDown* udHi;
    platform::TListView* ListView1;
    QLineEdit* edSelNum;
    platform::TUpDown* udSelNum;
    QLineEdit* edSelNavn;
    QLineEdit* edSelClub;
    QPushButton* bnOK;
    QAction* mmFile;
    QAction* mmSave;
    QAction* mmSaveAs;
    QAction* mmExit;
    QAction* mmAbout;
    platform::FileDialogOptions OpenDialog1;
    platform::FileDialogOptions SaveDialog1;
    std::unique_ptr<TAboutForm> AboutForm;

    // State.
    bool FChanged = false;
    std::unique_ptr<platform::FileStream> FFile;
    bool FActivated = false;
    std::array<int, 5> FNumbers{};  // 1 tables, 2 draw upper bound, 3 draw lower bound, 4 pair
    int FRows = 0;
    std::string FExePath;
    std::string FDateText;
    std::array<platform::TUpDown*, 5> FUpDowns{};

    // Window life.
    void FormActivate();
    void FormClose();
    // Menu commands.
    void mmOpenClick();
    void mmSaveClick();
    void mmSaveAsClick();
    void mmExitClick();
    void mmAboutClick();
    // Edits.
    void edNumChange(QObject* Sender);
    void edNumKeyPress(QObject* Sender, char& Key);
    void edStringKeyPress(QObject* Sender, char& Key);
    void edStringChange(QObject* Sender);
    // The draw and the entry editing.
    void bnProcessClick();
    void bnOKClick();
    void ListView1SelectItem(int row, bool selected);
    // The list and its file.
    void OpenStartList(const std::string& fileName);
    void WriteStartList();
    void AskSaveChanges();
    void ResetList();
    void ResizeList();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void CreateControls();
    void ConnectHandlers();
    void SetTabOrder();
    void SetSilently(int code, int position);
    void EnableEntryControls(bool enabled);
    void ShowFileName(const std::string& fileName);
    void WriteListInto(const std::string& fileName, platform::ReplacingFile::Holder holder);
    void ExchangeEntries(int row, int other);

    std::vector<std::string> FArguments;
    std::mt19937 FRandom;
};

}  // namespace startlist
