#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/Errors.h"
#include "platform/Guard.h"
#include "platform/ScriptedDialogs.h"

using namespace platform;

TEST(Guard, ShowsAnEscapingExceptionInTheStandardErrorBox) {
    ScopedScriptedDialogs script;
    EXPECT_FALSE(RunGuarded([] { throw EFOpenError("Cannot open file \"x\": No such file"); }));
    ASSERT_EQ(script->boxes.size(), 1u);
    EXPECT_EQ(script->boxes[0].text, "Cannot open file \"x\": No such file");
    EXPECT_EQ(script->boxes[0].caption, "Testprogram");
    EXPECT_EQ(script->boxes[0].icon, MsgIcon::Error);
    EXPECT_EQ(script->boxes[0].buttons, MsgButtons::Ok);
}

TEST(Guard, ShowsForeignExceptionsTooAndNothingForTheSilentAbort) {
    ScopedScriptedDialogs script;
    EXPECT_FALSE(RunGuarded([] { throw std::out_of_range("index"); }));
    EXPECT_FALSE(RunGuarded([] { throw EAbort(); }));
    EXPECT_TRUE(RunGuarded([] {}));
    ASSERT_EQ(script->boxes.size(), 1u);
    EXPECT_EQ(script->boxes[0].text, "index");
}

TEST(Guard, GuardedSlotsCallTheHandlerWithItsBoundArguments) {
    struct Form {
        int seen = 0;
        void Handler(int value) {
            seen = value;
            throw EConvertError("bad");
        }
    } form;
    ScopedScriptedDialogs script;
    Guarded(&form, &Form::Handler, 7)();
    EXPECT_EQ(form.seen, 7);
    EXPECT_EQ(script->boxes.size(), 1u);
}

TEST(ScriptedDialogs, AnswersInOrderAndCountsWhatItCouldNotAnswer) {
    ScopedScriptedDialogs script;
    script->boxAnswers = {MsgResult::Yes};
    script->fileAnswers = {std::string("/tmp/a.NAV")};
    Dialogs& dialogs = Dialogs::Current();
    EXPECT_EQ(dialogs.MessageBox("q", "c", MsgIcon::Warning, MsgButtons::YesNo), MsgResult::Yes);
    EXPECT_EQ(dialogs.MessageBox("q", "c", MsgIcon::Warning, MsgButtons::YesNo), MsgResult::Cancel);
    EXPECT_EQ(dialogs.SaveFileName({"Deltakerliste|*.NAV", "NAV", false, true}), "/tmp/a.NAV");
    EXPECT_EQ(dialogs.OpenFileName({}), std::nullopt);
    EXPECT_EQ(script->unanswered, 2);
    ASSERT_EQ(script->fileDialogs.size(), 2u);
    EXPECT_TRUE(script->fileDialogs[0].save);
    EXPECT_EQ(script->fileDialogs[0].options.defaultExtension, "NAV");
}

TEST(ScriptedDialogs, RestoresTheServiceItReplaced) {
    Dialogs* before = &Dialogs::Current();
    {
        ScopedScriptedDialogs script;
        EXPECT_NE(&Dialogs::Current(), before);
    }
    EXPECT_EQ(&Dialogs::Current(), before);
}
