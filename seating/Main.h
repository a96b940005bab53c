#pragma once
// KVB's window: the counts of tables, stationary players and groups, the first round of group 1
// in a grid, and the command that checks it and writes the seating file.
#include <QMainWindow>
#include <string>
#include <vector>

#include "SeatingFile.h"
#include "platform/Dialogs.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace platform {
class TStringGrid;
class TUpDown;
}  // namespace platform

namespace seating {

class TMainForm : public QMainWindow {
    Q_OBJECT
  public:
    TMainForm();
    ~TMainForm() override;

    // Controls.
    QLabel* Label1;
    QLineEdit* edBord;
    platform::TUpDown* udBord;
    QLabel* Label2;
    QLineEdit* edSitter;
    platform::TUpDown* udSitter;
    QLabel* Label3;
    QLineEdit* edGrupper;
    platform::TUpDown* udGrupper;
    QLabel* Label4;
    QPushButton* bnSave;
    QPushButton* bnClose;
    platform::TStringGrid* BordTab;
    platform::FileDialogOptions SaveDialog1;

    // State.
    int TableCount = 2;
    int SitterCount = 0;
    int GroupCount = 1;
    int PlayerCount = 8;
    int MoverCount = 8;
    std::vector<bool> PlayerUsed;  // player number n at index n - 1

    // Count edits.
    void edBordChange(QObject* Sender);
    void edSitterChange(QObject* Sender);
    void edGrupperChange(QObject* Sender);
    void NumKeyPress(QObject* Sender, char& Key);
    // The grid.
    void BordTabSelectCell(QObject* Sender, int ACol, int ARow, bool& CanSelect);
    // Commands.
    void bnSaveClick();
    bool CheckPlayer(int number);
    void bnCloseClick();

  private:
    void CreateControls();
    void ConnectHandlers();
    void SetTabOrder();
    void FormCreate();
    int LimitedCount(QLineEdit* edit, const platform::TUpDown* upDown);
    void FillTableRows();
    bool ReadFirstRound(std::vector<SeatingRecord>& Seating);
    bool RefuseSeating(const std::string& text);
    SeatingCounts Counts() const;
};

}  // namespace seating
