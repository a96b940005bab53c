// "Skriv ny fil": the check of the grid, the save dialog and the file it writes, also when
// the disk refuses.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "Fixture.h"
#include "tests/FileSizeLimit.h"

namespace seating {

using platform::FromUtf8;
using platform::MsgIcon;

TEST_F(KvbTest, TheWorkedExampleTypedIntoTheGridIsWrittenAfterTheDialog) {
    TypeGrid(kWorkedGrid);
    const std::string path = Path("runde.KVB");
    SaveAs(path);
    ASSERT_EQ(script->fileDialogs.size(), 1u);
    EXPECT_TRUE(script->fileDialogs[0].save);
    EXPECT_EQ(script->fileDialogs[0].options.filter, "Rundeverket|*.KVB");
    EXPECT_EQ(script->fileDialogs[0].options.defaultExtension, "KVB");
    EXPECT_TRUE(script->fileDialogs[0].options.overwritePrompt);
    EXPECT_TRUE(script->boxes.empty());
    const std::string bytes = ReadFile(path);
    ASSERT_EQ(bytes.size(), 224u);
    EXPECT_EQ(bytes.substr(0, 14),
              std::string("\x01\x00\x01\x00\x01\x00\x01\x00\x02\x00\x03\x00\x04\x00", 14));
    EXPECT_EQ(Decode(bytes), kWorkedExample);
}

TEST_F(KvbTest, StationaryPlayersAndGroupsSetInTheWindowShapeTheFile) {
    FillGrid(kWorkedGrid);
    TypeOver(form->edSitter, "1");
    SaveAs(Path("sitter.KVB"));
    const std::vector<Words> sitter = Decode(ReadFile(Path("sitter.KVB")));
    ASSERT_EQ(sitter.size(), 14u);
    EXPECT_EQ(sitter[8], (Words{2, 2, 2, 6, 7, 1, 8}));
    EXPECT_EQ(sitter[13], (Words{7, 2, 7, 4, 5, 6, 8}));

    TypeOver(form->edSitter, "0");
    TypeOver(form->edGrupper, "2");
    SaveAs(Path("grupper.KVB"));
    const std::vector<Words> groups = Decode(ReadFile(Path("grupper.KVB")));
    ASSERT_EQ(groups.size(), 32u);
    EXPECT_EQ(std::vector<Words>(groups.begin(), groups.begin() + 16), kWorkedExample);
    EXPECT_EQ(groups[16], (Words{1, 3, 1, 9, 10, 11, 12}));
    EXPECT_EQ(groups[31], (Words{8, 4, 8, 12, 13, 14, 15}));
}

TEST_F(KvbTest, ThreeTablesWithThreeStationaryPlayers) {
    TypeOver(form->edBord, "3");
    TypeOver(form->edSitter, "3");
    FillGrid({{"1", "2", "3", "10"}, {"4", "5", "6", "11"}, {"7", "8", "9", "12"}});
    SaveAs(Path("tre.KVB"));
    const std::vector<Words> records = Decode(ReadFile(Path("tre.KVB")));
    ASSERT_EQ(records.size(), 27u);
    for (std::size_t i = 0; i < records.size(); ++i)
        EXPECT_EQ(records[i][6], 10 + static_cast<int>(i / 9)) << i;
    EXPECT_EQ(records[26], (Words{9, 3, 9, 6, 7, 8, 12}));
}

TEST_F(KvbTest, TwoTablesInThreeGroups) {
    TypeOver(form->edGrupper, "3");
    FillGrid(kWorkedGrid);
    SaveAs(Path("tre.KVB"));
    const std::vector<Words> records = Decode(ReadFile(Path("tre.KVB")));
    ASSERT_EQ(records.size(), 48u);
    EXPECT_EQ(records[32], (Words{1, 5, 1, 17, 18, 19, 20}));
    EXPECT_EQ(records[47], (Words{8, 6, 8, 20, 21, 22, 23}));
}

TEST_F(KvbTest, ARefusedNumberStopsTheSaveBeforeTheDialog) {
    struct Case {
        int column, row;
        const char* number;
        std::string message;
    };
    const std::vector<Case> cases = {{1, 2, "9", FromUtf8("Spillernummer 9 er for høyt!")},
                                     {3, 1, "0", "Spillernummer 0 er for lavt!"},
                                     {4, 2, "3", "Spiller 3 sitter flere steder!"},
                                     {1, 1, "40000", FromUtf8("Spillernummer 40000 er for høyt!")}};
    const std::string path = Path("gammel.KVB");
    Put(path, "old content");
    for (const Case& c : cases) {
        FillGrid(kWorkedGrid);
        form->BordTab->SetCell(c.column, c.row, c.number);
        script->boxes.clear();
        SaveAs(path);
        script->fileAnswers.clear();
        ASSERT_EQ(script->boxes.size(), 1u) << c.message;
        EXPECT_EQ(script->boxes[0].text, c.message);
        EXPECT_EQ(script->boxes[0].caption, "Feil oppsett");
        EXPECT_EQ(script->boxes[0].icon, MsgIcon::None);
        EXPECT_EQ(script->boxes[0].buttons, platform::MsgButtons::Ok);
        EXPECT_TRUE(script->fileDialogs.empty());
        EXPECT_EQ(ReadFile(path), "old content");
    }
    EXPECT_EQ(FolderEntries(), QStringList{"gammel.KVB"});
}

TEST_F(KvbTest, OnlyTheFirstFaultIsReportedAndTheNextComesAfterItIsMended) {
    FillGrid({{"1", "9", "3", "4"}, {"5", "6", "7", "1"}});
    form->bnSave->click();
    form->BordTab->SetCell(2, 1, "2");
    form->bnSave->click();
    form->BordTab->SetCell(4, 2, "8");
    SaveAs(Path("ok.KVB"));
    ASSERT_EQ(script->boxes.size(), 2u);
    EXPECT_EQ(script->boxes[0].text, FromUtf8("Spillernummer 9 er for høyt!"));
    EXPECT_EQ(script->boxes[1].text, "Spiller 1 sitter flere steder!");
    EXPECT_EQ(Decode(ReadFile(Path("ok.KVB"))), kWorkedExample);
}

TEST_F(KvbTest, AnEmptyCellIsAConversionErrorAndNoFile) {
    FillGrid(kWorkedGrid);
    form->BordTab->SetCell(3, 2, "");
    SaveAs(Path("tom.KVB"));
    ASSERT_EQ(script->boxes.size(), 1u);
    EXPECT_EQ(script->boxes[0].icon, MsgIcon::Error);
    EXPECT_EQ(script->boxes[0].caption, "Testprogram");
    EXPECT_TRUE(script->fileDialogs.empty());
    EXPECT_TRUE(FolderEntries().isEmpty());
}

TEST_F(KvbTest, ACancelledDialogWritesNothing) {
    FillGrid(kWorkedGrid);
    script->fileAnswers.push_back(std::nullopt);
    form->bnSave->click();
    EXPECT_EQ(script->fileDialogs.size(), 1u);
    EXPECT_TRUE(script->boxes.empty());
    EXPECT_TRUE(FolderEntries().isEmpty());
}

TEST_F(KvbTest, SavingTwiceWritesTheSameFileAndReplacesAnOldOne) {
    FillGrid(kWorkedGrid);
    TypeOver(form->edGrupper, "2");
    Put(Path("b.KVB"), std::string(1000, 'x'));
    SaveAs(Path("a.KVB"));
    SaveAs(Path("b.KVB"));
    EXPECT_EQ(ReadFile(Path("a.KVB")).size(), 448u);
    EXPECT_EQ(ReadFile(Path("a.KVB")), ReadFile(Path("b.KVB")));
    EXPECT_EQ(FolderEntries(), (QStringList{"a.KVB", "b.KVB"}));
}

TEST_F(KvbTest, AWriteThatFailsPartWayLeavesNoHalfFile) {
    FillGrid(kWorkedGrid);
    const std::string fresh = Path("ny.KVB");
    const std::string old = Path("gammel.KVB");
    Put(old, "old content");
    {
        tests::FileSizeLimit limit(100);  // the 224 bytes stop part-way, as on a full disk
        SaveAs(fresh);
        SaveAs(old);
    }
    ASSERT_EQ(script->boxes.size(), 2u);
    for (const auto& box : script->boxes) {
        EXPECT_EQ(box.icon, MsgIcon::Error);
        EXPECT_EQ(box.caption, "Testprogram");
        EXPECT_NE(box.text.find("Cannot write"), std::string::npos) << box.text;
    }
    EXPECT_EQ(ReadFile(old), "old content");
    EXPECT_EQ(FolderEntries(), QStringList{"gammel.KVB"});
}

TEST_F(KvbTest, AFileHeldByAnotherProgramIsLeftAsItWas) {
    FillGrid(kWorkedGrid);
    const std::string path = Path("holdt.KVB");
    Put(path, "held");
    const int other = ::open(path.c_str(), O_RDONLY);
    ASSERT_EQ(::flock(other, LOCK_EX), 0);
    SaveAs(path);
    ::close(other);
    ASSERT_EQ(script->boxes.size(), 1u);
    EXPECT_EQ(script->boxes[0].icon, MsgIcon::Error);
    EXPECT_NE(script->boxes[0].text.find("in use by another program"), std::string::npos);
    EXPECT_EQ(ReadFile(path), "held");
    EXPECT_EQ(FolderEntries(), QStringList{"holdt.KVB"});
}

}  // namespace seating
