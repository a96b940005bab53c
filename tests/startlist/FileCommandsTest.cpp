// Opening, saving and closing a start list, and what happens when the file refuses.
#include <QAction>
#include <QLabel>

#include "Fixture.h"
#include "platform/Errors.h"
#include "platform/Streams.h"

namespace startlist {

using platform::MsgResult;

TEST_F(DuoplanTest, OpensTheCommandLineListWithItsNorwegianLetters) {
    const std::vector<Entry> entries = {{"\xD8yvind \xC5s", "Troms\xF8 BK"}, {"\xC6rlig \xE6", "\xE5"},
                                        {"", ""}, {std::string(40, 'n'), std::string(20, 'c')}};
    const std::string path = StartWith(entries);
    EXPECT_EQ(Rows(), entries);
    EXPECT_EQ(PairNumbers(), (std::vector<std::string>{"1", "2", "3", "4"}));
    EXPECT_EQ(Text(form->edBord), "2");
    EXPECT_EQ(form->lbFile->text().toStdString(), path);
    EXPECT_FALSE(form->FChanged);
    ASSERT_TRUE(form->FFile);
    EXPECT_THROW(platform::FileStream(path, platform::FileMode::OpenRead, true), platform::EFOpenError);
}

TEST_F(DuoplanTest, TheTableCountIsTheFileSizeIn124ByteStepsAndTheRestGoesAtTheNextSave) {
    struct Case { std::size_t records; int rows; };
    for (const Case& c : {Case{1, 0}, Case{3, 2}, Case{6, 6}}) {
        const std::string path = Path("list.NAV");
        Put(path, ListBytes(Entries(static_cast<int>(c.records))));
        Start(path);
        EXPECT_EQ(form->ListView1->Count(), c.rows) << c.records;
        EXPECT_EQ(form->FNumbers[1], c.rows / 2);
        if (c.rows > 0) {
            form->mmSave->trigger();
            EXPECT_EQ(Get(path), ListBytes(Entries(c.rows)));
        }
        form.reset();
    }
}

TEST_F(DuoplanTest, SavingWritesEveryRowAndReadsBackTheSame) {
    const std::string path = StartWith(Entries(4));
    ClickRow(3);
    form->edSelNavn->setText(QString::fromUtf8("Åse ø é ü ’‘"));
    form->bnOK->click();
    form->mmSave->trigger();
    EXPECT_FALSE(form->FChanged);
    const std::string bytes = Get(path);
    ASSERT_EQ(bytes.size(), 4u * kRecordSize);
    EXPECT_EQ(bytes.substr(3 * kRecordSize, 13), "\x0C\x8F" "se \x9B \xE9 \xFC \x92\x91");
    form.reset();
    Start(path);
    EXPECT_EQ(Rows()[3].name, "\xC5se \xF8 \xE9 \xFC \xC6\xE6");  // the quotes come back as Æ and æ
    EXPECT_EQ(Rows()[0], (Entry{"Par 1", "Klubb 1"}));
}

TEST_F(DuoplanTest, ACutToNoTablesSavesAnEmptyFileAtTheClosePrompt) {
    const std::string path = StartWith(Entries(4));
    TypeOver(form->edBord, "0");
    EXPECT_EQ(form->ListView1->Count(), 0);
    EXPECT_FALSE(form->mmSave->isEnabled());
    EXPECT_FALSE(form->edSelNum->isEnabled());
    script->boxAnswers = {MsgResult::Yes};
    EXPECT_TRUE(form->close());
    ASSERT_EQ(script->boxes.size(), 1u);
    EXPECT_EQ(script->boxes[0].text, "Skal endringene registreres?");
    EXPECT_EQ(script->boxes[0].caption, "Startlisten er endret");
    EXPECT_EQ(script->boxes[0].icon, platform::MsgIcon::Warning);
    EXPECT_EQ(script->boxes[0].buttons, platform::MsgButtons::YesNo);
    EXPECT_EQ(Get(path), "");
}

TEST_F(DuoplanTest, ClosingAsksOnlyAboutChangesAndNoDropsThem) {
    const std::string path = StartWith(Entries(2));
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(script->boxes.empty());

    Start(path);
    TypeOver(form->edBord, "3");
    script->boxAnswers = {MsgResult::No};
    EXPECT_TRUE(form->close());
    EXPECT_EQ(script->boxes.size(), 1u);
    EXPECT_EQ(Get(path), ListBytes(Entries(2)));
}

TEST_F(DuoplanTest, AFailedSaveKeepsThePreviousFileAndTheChanges) {
    const std::string path = StartWith(Entries(4));
    TypeOver(form->edBord, "3");
    {
        tests::FileSizeLimit limit(200);  // the disk fills after three records
        form->mmSave->trigger();
    }
    ASSERT_EQ(script->boxes.size(), 1u);
    EXPECT_EQ(script->boxes[0].icon, platform::MsgIcon::Error);
    EXPECT_EQ(script->boxes[0].caption, "Testprogram");
    EXPECT_EQ(Get(path), ListBytes(Entries(4)));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{"duoplan", "list.NAV"}));
    EXPECT_TRUE(form->FChanged);
    EXPECT_THROW(platform::FileStream(path, platform::FileMode::OpenRead, true), platform::EFOpenError);

    form->mmSave->trigger();  // room again
    EXPECT_EQ(Get(path).size(), 6u * kRecordSize);
    EXPECT_FALSE(form->FChanged);
}

TEST_F(DuoplanTest, AFailedSaveAtTheClosePromptKeepsTheWindowOpen) {
    StartWith(Entries(2));
    TypeOver(form->edBord, "2");
    script->boxAnswers = {MsgResult::Yes};
    {
        tests::FileSizeLimit limit(100);
        EXPECT_FALSE(form->close());
    }
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(script->boxes.size(), 2u);  // the question, then the error
    EXPECT_TRUE(form->FChanged);
}

TEST_F(DuoplanTest, SaveAsOntoTheOpenFileReplacesItAndKeepsHoldingIt) {
    const std::string path = StartWith(Entries(4));
    TypeOver(form->edBord, "1");
    script->fileAnswers = {path};
    form->mmSaveAs->trigger();
    EXPECT_TRUE(script->boxes.empty());
    EXPECT_EQ(Get(path), ListBytes(Entries(2)));
    ASSERT_EQ(script->fileDialogs.size(), 1u);
    EXPECT_TRUE(script->fileDialogs[0].save);
    EXPECT_EQ(script->fileDialogs[0].options.filter, "Deltakerliste|*.NAV");
    EXPECT_EQ(script->fileDialogs[0].options.defaultExtension, "NAV");
    EXPECT_TRUE(script->fileDialogs[0].options.overwritePrompt);
    EXPECT_THROW(platform::FileStream(path, platform::FileMode::OpenRead, true), platform::EFOpenError);
}

TEST_F(DuoplanTest, SaveAsOntoAFileHeldByAnotherProgramFailsAndLeavesItAlone) {
    StartWith(Entries(2));
    TypeOver(form->edBord, "2");
    const std::string other = Path("other.NAV");
    Put(other, "theirs");
    platform::FileStream holder(other, platform::FileMode::OpenRead, true);
    script->fileAnswers = {other};
    form->mmSaveAs->trigger();
    EXPECT_EQ(script->boxes.size(), 1u);
    EXPECT_EQ(Get(other), "theirs");
    EXPECT_FALSE(form->FFile);
    EXPECT_TRUE(form->FChanged);
    EXPECT_EQ(form->ListView1->Count(), 4);
    EXPECT_EQ(form->lbFile->text().toStdString(), other);
}

TEST_F(DuoplanTest, WithoutAFileSaveAsksForANameAndACancelSavesNothing) {
    Start();
    TypeOver(form->edBord, "4");
    form->mmSave->trigger();
    ASSERT_EQ(script->fileDialogs.size(), 1u);
    EXPECT_TRUE(script->fileDialogs[0].save);
    EXPECT_TRUE(form->FChanged);

    const std::string path = Path("new.NAV");
    script->fileAnswers = {path};
    form->mmSave->trigger();
    EXPECT_EQ(Get(path), std::string(8 * kRecordSize, '\0'));
    EXPECT_FALSE(form->FChanged);
    EXPECT_TRUE(form->FFile);
}

TEST_F(DuoplanTest, OpeningAnotherListAsksAboutChangesFirst) {
    StartWith(Entries(2));
    TypeOver(form->edBord, "3");
    const std::string second = Path("second.NAV");
    Put(second, ListBytes(Entries(4)));
    script->boxAnswers = {MsgResult::No};
    script->fileAnswers = {second};
    form->mmFile->trigger();
    EXPECT_EQ(script->boxes.size(), 1u);
    EXPECT_EQ(Rows(), Entries(4));
    EXPECT_FALSE(script->fileDialogs[0].save);
    EXPECT_TRUE(script->fileDialogs[0].options.mustExist);
    EXPECT_FALSE(form->FChanged);
    EXPECT_EQ(Get(Path("list.NAV")), ListBytes(Entries(2)));  // the dropped changes were not saved

    form->mmFile->trigger();  // cancelled
    EXPECT_EQ(form->ListView1->Count(), 0);
    EXPECT_FALSE(form->FFile);
    EXPECT_NO_THROW(platform::FileStream(second, platform::FileMode::OpenRead, true));
}

TEST_F(DuoplanTest, AMissingCommandLineFileIsIgnoredAndAHeldOneReported) {
    Start(Path("missing.NAV"));
    EXPECT_TRUE(script->boxes.empty());
    EXPECT_EQ(form->lbFile->text(), "");
    form.reset();

    const std::string path = Path("held.NAV");
    Put(path, ListBytes(Entries(2)));
    platform::FileStream holder(path, platform::FileMode::OpenRead, true);
    Start(path);
    ASSERT_EQ(script->boxes.size(), 1u);
    EXPECT_NE(script->boxes[0].text.find("in use by another program"), std::string::npos);
    EXPECT_EQ(form->ListView1->Count(), 0);
    EXPECT_FALSE(form->FFile);
    EXPECT_EQ(form->lbFile->text().toStdString(), path);
    TypeOver(form->edBord, "2");  // activated all the same
    EXPECT_EQ(form->ListView1->Count(), 4);
}

TEST_F(DuoplanTest, AFileOfMoreTablesThanTheWindowHoldsIsRefused) {
    const std::string path = Path("huge.NAV");
    Put(path, std::string(100 * kTableSize, '\0'));
    Start(path);
    ASSERT_EQ(script->boxes.size(), 1u);
    EXPECT_NE(script->boxes[0].text.find("more than 99 tables"), std::string::npos);
    EXPECT_EQ(form->ListView1->Count(), 0);
    EXPECT_FALSE(form->FFile);
}

}  // namespace startlist
