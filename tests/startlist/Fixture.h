#pragma once
// A Duoplan window driven offscreen: files in a temporary folder, scripted dialogs, and the
// keys and clicks a user would give.
#include <gtest/gtest.h>
#include <utime.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <ctime>
#include <fstream>
#include <iterator>

#include "platform/ListView.h"
#include "platform/ScriptedDialogs.h"
#include "platform/Text.h"
#include "startlist/Main.h"
#include "startlist/StartListFile.h"
#include "tests/FileSizeLimit.h"

namespace startlist {

struct Entry {
    std::string name, club;
    auto operator<=>(const Entry&) const = default;
    friend void PrintTo(const Entry& entry, std::ostream* out) { *out << '{' << entry.name << '|' << entry.club << '}'; }
};

class DuoplanTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    platform::ScopedScriptedDialogs script;
    std::unique_ptr<TMainForm> form;

    std::string Path(const char* name) const { return dir.filePath(name).toStdString(); }

    // The program file stands in a file dated the 5th of March 2024.
    std::string ProgramFile() {
        const std::string exe = Path("duoplan");
        std::ofstream(exe) << "program";
        std::tm noon{};
        noon.tm_year = 124;
        noon.tm_mon = 2;
        noon.tm_mday = 5;
        noon.tm_hour = 12;
        noon.tm_isdst = -1;
        const utimbuf times{std::mktime(&noon), std::mktime(&noon)};
        ::utime(exe.c_str(), &times);
        return exe;
    }

    // Starts the program as the user would, with an optional file on the command line.
    void Start(const std::string& argument = {}) {
        std::vector<std::string> arguments = {ProgramFile()};
        if (!argument.empty()) arguments.push_back(argument);
        form = std::make_unique<TMainForm>(arguments);
        form->show();
        QCoreApplication::processEvents();
    }

    static std::string ListBytes(const std::vector<Entry>& entries) {
        std::string bytes(entries.size() * kRecordSize, '\0');
        for (std::size_t i = 0; i < entries.size(); ++i)
            EncodeRecord({entries[i].name, entries[i].club},
                         reinterpret_cast<std::uint8_t*>(bytes.data() + i * kRecordSize));
        return bytes;
    }
    void Put(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    std::string Get(const std::string& path) const {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    // A list of the given entries, written to a file and opened from the command line.
    std::string StartWith(const std::vector<Entry>& entries) {
        const std::string path = Path("list.NAV");
        Put(path, ListBytes(entries));
        Start(path);
        return path;
    }
    static std::vector<Entry> Entries(int count) {
        std::vector<Entry> entries;
        for (int i = 1; i <= count; ++i)
            entries.push_back({"Par " + std::to_string(i), "Klubb " + std::to_string(i)});
        return entries;
    }

    std::vector<Entry> Rows() const {
        std::vector<Entry> rows;
        for (int row = 0; row < form->ListView1->Count(); ++row)
            rows.push_back({form->ListView1->Cell(row, 1), form->ListView1->Cell(row, 2)});
        return rows;
    }
    std::vector<std::string> PairNumbers() const {
        std::vector<std::string> numbers;
        for (int row = 0; row < form->ListView1->Count(); ++row) numbers.push_back(form->ListView1->Cell(row, 0));
        return numbers;
    }

    // Selects the edit's whole text and types over it, key by key.
    static void TypeOver(QLineEdit* edit, const char* keys) {
        edit->selectAll();
        QTest::keyClicks(edit, QString::fromUtf8(keys));
    }
    // Clicks a row the way the user does.
    void ClickRow(int row) {
        QWidget* viewport = form->ListView1->viewport();
        const QRect cell = form->ListView1->visualRect(form->ListView1->model()->index(row, 1));
        QTest::mouseClick(viewport, Qt::LeftButton, {}, cell.center());
    }
    static std::string Text(const QLineEdit* edit) { return platform::FromQString(edit->text()); }
};

}  // namespace startlist
