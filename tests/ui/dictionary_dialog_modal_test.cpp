#include <gtest/gtest.h>

#include <QCheckBox>
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
#include <optional>
#include <stdexcept>

#include "temp_folder.h"
#include "ui/dictionary_dialog.h"

namespace lexo {
namespace {

using testing::TempFolder;

// Shows the dialog modally and runs `player` inside its event loop. A dialog still open after
// five seconds is ended without a choice, so a dialog that ignores But1 fails instead of hanging.
std::optional<DictionaryChoice> RunModal(TForm3& form, const std::function<void()>& player,
                                         bool offerQuit = false) {
    QTimer::singleShot(0, &form, player);
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, &form, [&form] {
        ADD_FAILURE() << "the dialog did not close";
        form.done(QDialog::Rejected);
    });
    watchdog.start(5000);
    return form.ShowModalDialog(offerQuit);
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
    TForm3 form(work.Path());

    Snapshot chosen{};
    std::optional<DictionaryChoice> choice = RunModal(form, [&] {
        form.List->setCurrentRow(1);
        form.WordsChoice->click();
        form.UpDown1->setValue(7);
        chosen = Take(form);
        form.But1->click();
    });
    EXPECT_FALSE(form.isVisible());
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->folder, "b");
    EXPECT_EQ(choice->mode, kModeWords);
    EXPECT_EQ(choice->pace, 7);

    Snapshot again{};
    choice = RunModal(form, [&] {
        again = Take(form);
        form.But1->click();
    });
    EXPECT_EQ(again, chosen);
    EXPECT_EQ(again.label2, "B title");
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->folder, "b");
    EXPECT_EQ(choice->mode, kModeWords);
}

// The mode, and whether the words are spoken, are what the boxes show when OK is pressed.
TEST(DictionaryDialogModal, TheModeIsTheOneCheckedWhenOkIsPressed) {
    TempFolder work;
    work.MakeDictionary("a");
    work.WriteFile("a/languages.txt", "en ru\r\n");
    TForm3 form(work.Path());

    std::optional<DictionaryChoice> choice = RunModal(form, [&] {
        form.List->setCurrentRow(0);
        form.WordsChoice->click();
        form.But1->click();
    });
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->mode, kModeWords);
    EXPECT_TRUE(choice->speech);

    choice = RunModal(form, [&] {
        form.TranslationsChoice->click();
        form.SpeechBox->click();
        form.But1->click();
    });
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->mode, kModeTranslations);
    EXPECT_FALSE(choice->speech);

    choice = RunModal(form, [&] {
        form.SpeechBox->click();
        form.But1->click();
    });
    ASSERT_TRUE(choice);
    EXPECT_TRUE(choice->speech);
}

// After a dictionary could not be played the player may leave instead of choosing again; the
// offer lasts for that showing only, and a dialog already open is never shown twice.
TEST(DictionaryDialogModal, OffersQuitBesideOkWhenAskedAndRefusesToOpenTwice) {
    TempFolder work;
    work.MakeDictionary("a");
    TForm3 form(work.Path());

    bool bothShown = false, refusedWhileOpen = false;
    EXPECT_FALSE(RunModal(
        form,
        [&] {
            bothShown = form.But1->isVisible() && form.QuitButton->isVisible() &&
                        !form.But1->geometry().intersects(form.QuitButton->geometry());
            try {
                form.ShowModalDialog();
            } catch (const std::logic_error&) {
                refusedWhileOpen = true;
            }
            form.QuitButton->click();
        },
        true));
    EXPECT_TRUE(bothShown);
    EXPECT_TRUE(refusedWhileOpen);

    std::optional<DictionaryChoice> choice = RunModal(form, [&] {
        EXPECT_FALSE(form.QuitButton->isVisible());
        form.List->setCurrentRow(0);
        form.But1->click();
    });
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->folder, "a");
}

TEST(DictionaryDialogModal, OnlyOkEndsTheDialog) {
    TempFolder work;
    work.MakeDictionary("a");
    TForm3 form(work.Path());

    bool openAfterEscape = false, openAfterClose = false, openAfterEarlyEnter = false,
         openAfterEnterInMemo = false;
    std::optional<DictionaryChoice> choice = RunModal(form, [&] {
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
    });
    EXPECT_TRUE(openAfterEscape);
    EXPECT_TRUE(openAfterClose);
    EXPECT_TRUE(openAfterEarlyEnter);
    EXPECT_TRUE(openAfterEnterInMemo);
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->folder, "a");
    EXPECT_EQ(choice->mode, kModeTranslations);
}

// A folder copied in while the game runs is listed at the next showing; the review of the words
// due comes and goes at the top, never taken for a player's folder of its name.
TEST(DictionaryDialogModal, LooksForFoldersAndTheReviewEachTimeItOpens) {
    TempFolder work;
    work.MakeDictionary("a");
    TForm3 form(work.Path());
    std::shared_ptr<const MemoryDictionary> due;
    form.OfferReview([&] { return due; });
    ASSERT_TRUE(RunModal(form, [&] {
        form.List->setCurrentRow(0);
        form.But1->click();
    }));

    work.MakeDictionary("b");
    work.MakeDictionary("Повторение");
    due = std::make_shared<MemoryDictionary>(
        MemoryDictionary{"Повторение", {"cat"}, {"кот"}, {{"cat", {{"a", "cat"}}}}});
    QStringList listed;
    QString keptSelection;
    std::optional<DictionaryChoice> choice = RunModal(form, [&] {
        for (int row = 0; row < form.List->count(); ++row) listed << form.List->item(row)->text();
        keptSelection = form.List->currentItem()->text();
        form.List->setCurrentRow(0);
        form.But1->click();
    });
    EXPECT_EQ(listed, QStringList({"Повторение", "a", "b", "Повторение"}));
    EXPECT_EQ(keptSelection, "a");
    ASSERT_TRUE(choice && choice->memory);
    EXPECT_EQ(choice->memory->words, std::vector<std::string>{"cat"});

    // Nothing due any more: the review is gone, and so is the choice.
    due = nullptr;
    bool okEnabled = true;
    choice = RunModal(form, [&] {
        okEnabled = form.But1->isEnabled();
        form.List->setCurrentRow(form.List->count() - 1);
        form.But1->click();
    });
    EXPECT_FALSE(okEnabled);
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->folder, "Повторение");
    EXPECT_EQ(choice->memory, nullptr);
}

TEST(DictionaryDialogModal, WithoutDictionariesExplainsAndLetsThePlayerQuit) {
    TempFolder work;
    work.MakeFolder("incomplete");
    work.WriteFile("incomplete/about.txt", "Title");
    TForm3 form(work.Path());

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
}

}  // namespace
}  // namespace lexo
