#include "search/AutoCombo.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

using namespace lumivra;

namespace {

class AutoComboTest : public ::testing::Test {
protected:
  void SetUp() override {
    combo_.addItem("Mercy");
    combo_.addItem("Merciful");
    combo_.addItem("Day");
    combo_.setEditText(QString());
    combo_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&combo_));
  }
  QLineEdit* Edit() { return combo_.lineEdit(); }

  TAutoComboBox combo_;
};

}  // namespace

TEST_F(AutoComboTest, TypingCompletesFromTheFirstMatchingItem) {
  QTest::keyClicks(Edit(), "mer");
  EXPECT_EQ(Edit()->text(), "mercy");  // the typed part keeps its case
  EXPECT_EQ(Edit()->selectedText(), "cy");
  EXPECT_EQ(Edit()->selectionStart(), 3);
  QTest::keyClicks(Edit(), "i");  // replaces the proposal
  EXPECT_EQ(Edit()->text(), "meri");
  EXPECT_TRUE(Edit()->selectedText().isEmpty());
  EXPECT_EQ(combo_.LastKey(), 'I');
}

TEST_F(AutoComboTest, KeysSentToTheComboItselfComplete) {
  combo_.setFocus();
  QTest::keyClicks(&combo_, "d");
  EXPECT_EQ(Edit()->text(), "day");
  EXPECT_EQ(combo_.LastKey(), 'D');
}

TEST_F(AutoComboTest, AFullMatchInOtherCaseAddsAnEmptyTail) {
  QTest::keyClicks(Edit(), "MERCY");
  EXPECT_EQ(Edit()->text(), "MERCY");
  EXPECT_TRUE(Edit()->selectedText().isEmpty());
  EXPECT_EQ(Edit()->cursorPosition(), 5);
}

TEST_F(AutoComboTest, BackspaceAndDeleteNeverComplete) {
  QTest::keyClicks(Edit(), "merc");
  ASSERT_EQ(Edit()->text(), "mercy");
  QTest::keyClick(Edit(), Qt::Key_Backspace);  // removes the proposed "y"
  EXPECT_EQ(Edit()->text(), "merc");
  EXPECT_EQ(combo_.LastKey(), 8);
  QTest::keyClick(Edit(), Qt::Key_Backspace);
  EXPECT_EQ(Edit()->text(), "mer");  // still a prefix of "Mercy", not completed

  Edit()->setCursorPosition(1);
  QTest::keyClick(Edit(), Qt::Key_Delete);
  EXPECT_EQ(Edit()->text(), "mr");
  EXPECT_EQ(combo_.LastKey(), 46);
  Edit()->setText("da");
  Edit()->setCursorPosition(0);
  QTest::keyClick(Edit(), Qt::Key_Delete);
  EXPECT_EQ(Edit()->text(), "a");
}

TEST_F(AutoComboTest, MinimumLengthAndSwitchingOff) {
  combo_.MinLengthComplete = 3;
  QTest::keyClicks(Edit(), "me");
  EXPECT_EQ(Edit()->text(), "me");
  QTest::keyClicks(Edit(), "r");
  EXPECT_EQ(Edit()->text(), "mercy");

  Edit()->clear();
  combo_.Complete = false;
  QTest::keyClicks(Edit(), "mer");
  EXPECT_EQ(Edit()->text(), "mer");
}

TEST_F(AutoComboTest, OnCompleteMayCancelOrReplaceTheTail) {
  uint16_t seenKey = 0;
  QString seenTail;
  combo_.OnComplete = [&](TAutoComboBox* sender, uint16_t key, QString& tail, bool& doComplete) {
    EXPECT_EQ(sender, &combo_);
    EXPECT_TRUE(doComplete);
    seenKey = key;
    seenTail = tail;
    doComplete = false;
  };
  QTest::keyClicks(Edit(), "mer");
  EXPECT_EQ(Edit()->text(), "mer");
  EXPECT_EQ(seenKey, 'R');
  EXPECT_EQ(seenTail, "cy");

  Edit()->clear();
  combo_.OnComplete = [](TAutoComboBox*, uint16_t, QString& tail, bool&) { tail = "itful"; };
  QTest::keyClicks(Edit(), "d");
  EXPECT_EQ(Edit()->text(), "ditful");
  EXPECT_EQ(Edit()->selectedText(), "itful");
}

TEST_F(AutoComboTest, NoItemsNoCompletionAndProgrammaticTextIsLeftAlone) {
  combo_.setEditText("m");
  EXPECT_EQ(Edit()->text(), "m");
  combo_.clear();
  Edit()->clear();
  QTest::keyClicks(Edit(), "mer");
  EXPECT_EQ(Edit()->text(), "mer");
}

TEST_F(AutoComboTest, DropUpIsRaisedAfterTheListHasClosed) {
  int raised = 0;
  bool popupVisibleThen = true;
  combo_.OnDropUp = [&](TAutoComboBox*) {
    ++raised;
    popupVisibleThen = combo_.view()->isVisible();
  };
  combo_.showPopup();
  combo_.hidePopup();
  EXPECT_EQ(raised, 0);  // posted, not raised at once
  QApplication::processEvents();
  EXPECT_EQ(raised, 1);
  EXPECT_FALSE(popupVisibleThen);
}

TEST(VirtualKeyCode, KeysOfTheCompletion) {
  EXPECT_EQ(VirtualKeyCode(Qt::Key_Backspace), 8);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_Delete), 46);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_Return), 13);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_A), 65);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_9), 57);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_F3), 0x72);
}
