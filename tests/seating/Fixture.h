#pragma once
// A KVB window driven offscreen: files in a temporary folder, scripted dialogs, and the keys
// and clicks a user would give.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <fstream>
#include <memory>

#include "Records.h"
#include "platform/ScriptedDialogs.h"
#include "platform/StringGrid.h"
#include "platform/Text.h"
#include "seating/Main.h"

namespace seating {

using Row = std::array<const char*, 4>;

class KvbTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    platform::ScopedScriptedDialogs script;
    std::unique_ptr<TMainForm> form = std::make_unique<TMainForm>();

    void SetUp() override {
        form->show();
        QCoreApplication::processEvents();
    }

    std::string Path(const char* name) const { return dir.filePath(name).toStdString(); }
    QStringList FolderEntries() const {
        return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    }
    static void Put(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    // Selects the edit's whole text and types over it, key by key.
    static void TypeOver(QLineEdit* edit, const char* keys) {
        edit->selectAll();
        QTest::keyClicks(edit, QString::fromUtf8(keys));
    }
    // Enters a cell as the user does and types into its editor.
    void TypeCell(int column, int row, const char* keys) {
        ASSERT_TRUE(form->BordTab->SelectCell(column, row));
        QLineEdit* editor = form->BordTab->Editor();
        ASSERT_NE(editor, nullptr);
        QTest::keyClicks(editor, QString::fromUtf8(keys));
    }
    // The first round, typed cell by cell.
    void TypeGrid(const std::vector<Row>& rows) {
        for (std::size_t t = 0; t < rows.size(); ++t)
            for (int seat = 0; seat < 4; ++seat)
                TypeCell(seat + 1, static_cast<int>(t) + 1, rows[t][seat]);
    }
    void FillGrid(const std::vector<Row>& rows) {
        for (std::size_t t = 0; t < rows.size(); ++t)
            for (int seat = 0; seat < 4; ++seat)
                form->BordTab->SetCell(seat + 1, static_cast<int>(t) + 1, rows[t][seat]);
    }
    std::vector<std::string> Column(int column) const {
        std::vector<std::string> cells;
        for (int row = 1; row < form->BordTab->RowCount(); ++row)
            cells.push_back(form->BordTab->Cell(column, row));
        return cells;
    }
    // Presses "Skriv ny fil" and answers the save dialog with the file, if it comes.
    void SaveAs(const std::string& path) {
        script->fileAnswers.push_back(path);
        form->bnSave->click();
    }
    static std::string Text(const QLineEdit* edit) { return platform::FromQString(edit->text()); }
};

inline const std::vector<Row> kWorkedGrid = {{"1", "2", "3", "4"}, {"5", "6", "7", "8"}};

}  // namespace seating
