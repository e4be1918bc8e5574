#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>

#include "temp_folder.h"
#include "ui/dictionary_dialog.h"

namespace lexo {
namespace {

using testing::TempFolder;

// Shows the dialog modally and runs `player` inside its event loop. A dialog still open after
// five seconds is ended without a choice, so a dialog that ignores But1 fails instead of hanging.
bool RunModal(TForm3& form, const std::function<void()>& player) {
    QTimer::singleShot(0, &form, player);
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, &form, [&form] {
        ADD_FAILURE() << "the dialog did not close";
        form.done(QDialog::Rejected);
    });
    watchdog.start(5000);
    return form.ShowModalDialog();
}

// What the player sees in the dialog.
struct Snapshot {
    int row;
    QString label1, label2, memo;
    bool words, okEnabled;
    int speed;
    bool operator==(const Snapshot&) const = default;
};

Snapshot Take(const TForm3& form) {
    return {form.List->currentRow(),   form.Label1->text(),           form.Label2->text(),
            form.Memo1->toPlainText(), form.WordsChoice->isChecked(), form.But1->isEnabled(),
            form.SpeedPosition()};
}

TEST(DictionaryDialogModal, KeepsEveryChoiceBetweenShowings) {
    TempFolder work;
    work.MakeDictionary("a", "A title\nA text");
    work.MakeDictionary("b", "B title\nB text");
    GameState state;
    TForm3 form(state, work.Path());

    Snapshot chosen{};
    EXPECT_TRUE(RunModal(form, [&] {
        form.List->setCurrentRow(1);
        form.WordsChoice->click();
        form.UpDown1->setValue(7);
        chosen = Take(form);
        form.But1->click();
    }));
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(state.DictionaryDir, "b");
    EXPECT_EQ(state.GameMode, kModeWords);
    EXPECT_EQ(form.SpeedPosition(), 7);

    Snapshot again{};
    EXPECT_TRUE(RunModal(form, [&] {
        again = Take(form);
        form.But1->click();
    }));
    EXPECT_EQ(again, chosen);
    EXPECT_EQ(again.label2, "B title");
    EXPECT_EQ(state.DictionaryDir, "b");
    EXPECT_EQ(state.GameMode, kModeWords);
}

TEST(DictionaryDialogModal, GameModeChangesOnlyWithOk) {
    TempFolder work;
    work.MakeDictionary("a");
    GameState state;
    TForm3 form(state, work.Path());

    uint8_t beforeOk = 99;
    EXPECT_TRUE(RunModal(form, [&] {
        form.List->setCurrentRow(0);
        form.WordsChoice->click();
        beforeOk = state.GameMode;
        form.But1->click();
    }));
    EXPECT_EQ(beforeOk, kModeNone);
    EXPECT_EQ(state.GameMode, kModeWords);

    EXPECT_TRUE(RunModal(form, [&] {
        form.TranslationsChoice->click();
        beforeOk = state.GameMode;
        form.But1->click();
    }));
    EXPECT_EQ(beforeOk, kModeWords);
    EXPECT_EQ(state.GameMode, kModeTranslations);
}

TEST(DictionaryDialogModal, OnlyOkEndsTheDialog) {
    TempFolder work;
    work.MakeDictionary("a");
    GameState state;
    TForm3 form(state, work.Path());

    bool openAfterEscape = false, openAfterClose = false, openAfterEarlyEnter = false,
         openAfterEnterInMemo = false;
    EXPECT_TRUE(RunModal(form, [&] {
        QTest::keyClick(form.List, Qt::Key_Escape);
        openAfterEscape = form.isVisible();
        form.close();
        openAfterClose = form.isVisible();
        QTest::keyClick(form.List, Qt::Key_Return);
        openAfterEarlyEnter = form.isVisible();
        form.List->setCurrentRow(0);
        QTest::keyClick(form.Memo1, Qt::Key_Return);
        openAfterEnterInMemo = form.isVisible();
        QTest::keyClick(form.List, Qt::Key_Return);
    }));
    EXPECT_TRUE(openAfterEscape);
    EXPECT_TRUE(openAfterClose);
    EXPECT_TRUE(openAfterEarlyEnter);
    EXPECT_TRUE(openAfterEnterInMemo);
    EXPECT_EQ(state.DictionaryDir, "a");
    EXPECT_EQ(state.GameMode, kModeTranslations);
}

TEST(DictionaryDialogModal, WithoutDictionariesExplainsAndLetsThePlayerQuit) {
    TempFolder work;
    work.MakeFolder("incomplete");
    work.WriteFile("incomplete/about.txt", "Title");
    GameState state;
    TForm3 form(state, work.Path());

    QString help = form.Memo1->toPlainText();
    QString searched = QString::fromStdString(std::filesystem::canonical(work.Path()).string());
    EXPECT_TRUE(help.contains(searched)) << help.toStdString();
    for (const char* file : {"about.txt", "names.txt", "names2.txt"}) {
        EXPECT_TRUE(help.contains(file)) << file;
    }
    EXPECT_TRUE(form.But1->isHidden());
    EXPECT_FALSE(form.QuitButton->isHidden());

    bool openAfterEscape = false;
    EXPECT_FALSE(RunModal(form, [&] {
        QTest::keyClick(form.List, Qt::Key_Escape);
        openAfterEscape = form.isVisible();
        form.QuitButton->click();
    }));
    EXPECT_TRUE(openAfterEscape);
    EXPECT_EQ(state.GameMode, kModeNone);
    EXPECT_TRUE(state.DictionaryDir.empty());
}

}  // namespace
}  // namespace lexo
