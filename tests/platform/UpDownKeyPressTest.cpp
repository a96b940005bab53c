#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "platform/KeyPress.h"
#include "platform/UpDown.h"

using namespace platform;

namespace {

struct BoundUpDown : ::testing::Test {
    QWidget window;
    QLineEdit* edit = new QLineEdit("0", &window);
    TUpDown* upDown = new TUpDown(&window);
    QStringList changes;
    BoundUpDown() {
        upDown->SetAssociate(edit);
        upDown->SetRange(0, 3);
        QObject::connect(edit, &QLineEdit::textChanged, [this](const QString& text) { changes << text; });
    }
};

}  // namespace

TEST_F(BoundUpDown, SettingThePositionRewritesTheEditAndRaisesItsChange) {
    upDown->SetPosition(2);
    EXPECT_EQ(edit->text(), "2");
    EXPECT_EQ(changes, QStringList{"2"});
    upDown->SetPosition(2);  // the same text is no change
    EXPECT_EQ(changes, QStringList{"2"});
    upDown->SetPosition(9);
    EXPECT_EQ(upDown->Position(), 3);
    EXPECT_EQ(edit->text(), "3");
}

TEST_F(BoundUpDown, ArrowsStepFromTheNumberShownAndDoNotWrap) {
    edit->setText("1");  // typed, the up-down has not seen it
    upDown->Step(1);
    EXPECT_EQ(edit->text(), "2");
    upDown->Step(1);
    upDown->Step(1);
    EXPECT_EQ(edit->text(), "3");
    for (int i = 0; i < 5; ++i) upDown->Step(-1);
    EXPECT_EQ(edit->text(), "0");
    QTest::keyClick(edit, Qt::Key_Up);
    EXPECT_EQ(edit->text(), "1");
}

TEST(KeyPress, TheHandlerSeesEachTypedCharacterAndDiscardsWithZero) {
    QLineEdit edit;
    std::string seen;
    OnKeyPress(&edit, [&](QObject* sender, char& key) {
        EXPECT_EQ(sender, &edit);
        seen += key;
        if (key == 'x') key = 0;
    });
    QTest::keyClicks(&edit, "axb");
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QTest::keyClick(&edit, Qt::Key_Left);  // types nothing: not seen
    EXPECT_EQ(seen, "axb\b");
    EXPECT_EQ(edit.text(), "a");
}

TEST(KeyPress, NonAsciiCharactersArriveInTheWindowsCodePage) {
    QLineEdit edit;
    char seen = 0;
    OnKeyPress(&edit, [&](QObject*, char& key) { seen = key; });
    QTest::keyClicks(&edit, QString::fromUtf8("ø"));
    EXPECT_EQ(seen, '\xF8');
}
