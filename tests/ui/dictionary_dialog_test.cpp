#include "ui/dictionary_dialog.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTextBlock>
#include <algorithm>
#include <filesystem>
#include <memory>
#include <utility>
#include <vector>

#include "errors/message_box.h"
#include "temp_folder.h"
#include "ui/qt_text.h"

namespace lexo {
namespace {

using testing::TempFolder;

QString Utf8(const char* text) { return QString::fromUtf8(text); }

class DictionaryDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        previous_ =
            SetMessageBoxPresenter([this](const std::string& caption, const std::string& text) {
                boxes_.emplace_back(caption, text);
            });
    }
    void TearDown() override { SetMessageBoxPresenter(previous_); }

    // The dialog over the temp folder, shown as the game shows it.
    std::unique_ptr<TForm3> ShownDialog() {
        auto form = std::make_unique<TForm3>(work_.Path());
        form->show();
        return form;
    }

    void Select(TForm3& form, const QString& name) {
        QList<QListWidgetItem*> found = form.List->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        form.List->setCurrentItem(found.front());
    }

    TempFolder work_;
    std::vector<std::pair<std::string, std::string>> boxes_;
    MessageBoxPresenter previous_;
};

TEST_F(DictionaryDialogTest, StartsWithNothingChosen) {
    work_.MakeDictionary("english");
    auto form = ShownDialog();

    EXPECT_EQ(form->windowTitle(), Utf8("Выберите словарь:"));
    EXPECT_FALSE(form->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(form->windowFlags() & Qt::WindowSystemMenuHint);
    EXPECT_EQ(form->List->count(), 1);
    EXPECT_TRUE(form->List->selectedItems().isEmpty());
    EXPECT_EQ(form->focusWidget(), form->List);
    EXPECT_FALSE(form->But1->isEnabled());
    EXPECT_TRUE(form->But1->isDefault());
    // Cyrillic О and К.
    EXPECT_EQ(form->But1->text(), QString::fromUtf16(u"\u041E\u041A"));
    EXPECT_TRUE(form->QuitButton->isHidden());
    EXPECT_TRUE(form->Label2->text().isEmpty());
    EXPECT_TRUE(form->Memo1->toPlainText().isEmpty());
    EXPECT_TRUE(form->TranslationsChoice->isChecked());
    EXPECT_EQ(form->SpeedPosition(), 40);
    EXPECT_TRUE(form->SelectedFolder().empty());
}

TEST_F(DictionaryDialogTest, ListsFoldersAlphabeticallyIgnoringCase) {
    for (const char* name : {"zeta", "Юг", "Alpha", "ёлка", "Дом", "beta", "еда", "жук"}) {
        work_.MakeDictionary(name);
    }
    auto form = ShownDialog();

    QStringList shown;
    for (int row = 0; row < form->List->count(); ++row) shown << form->List->item(row)->text();
    EXPECT_EQ(shown, QStringList({"Alpha", "beta", "zeta", Utf8("Дом"), Utf8("еда"), Utf8("ёлка"),
                                  Utf8("жук"), Utf8("Юг")}));
}

TEST_F(DictionaryDialogTest, SelectingShowsTitleAndDescription) {
    work_.MakeDictionary("mixed", Utf8ToCp1251("Заголовок\r\nПервая\rВторая\n\nЧетвёртая\n") +
                                      std::string(1, '\0') + "ignored");
    work_.MakeDictionary("one_line", "Only a title");
    work_.MakeDictionary("empty", "");
    auto form = ShownDialog();

    Select(*form, "mixed");
    EXPECT_EQ(form->SelectedFolder(), "mixed");
    EXPECT_EQ(form->Label1->text(), "mixed");
    EXPECT_EQ(form->Label2->text(), Utf8("Заголовок"));
    EXPECT_EQ(form->Memo1->toPlainText(), Utf8("Первая\nВторая\n\nЧетвёртая"));
    EXPECT_TRUE(form->But1->isEnabled());

    Select(*form, "one_line");
    EXPECT_EQ(form->Label2->text(), "Only a title");
    EXPECT_EQ(form->Memo1->toPlainText(), "");

    Select(*form, "empty");
    EXPECT_EQ(form->SelectedFolder(), "empty");
    EXPECT_EQ(form->Label1->text(), "empty");
    EXPECT_EQ(form->Label2->text(), "");
    EXPECT_EQ(form->Memo1->toPlainText(), "");
    EXPECT_TRUE(form->But1->isEnabled());
    EXPECT_TRUE(boxes_.empty());
}

TEST_F(DictionaryDialogTest, FirstLineWiderThanTheBoxIsSplitWhereItWraps) {
    const QString words =
        Utf8("Очень длинная первая строка описания, которая не помещается в поле");
    const QString oneWord = QString(60, QChar(0x0436));
    work_.MakeDictionary("words", Utf8ToCp1251((words + "\nSecond").toStdString()));
    work_.MakeDictionary("one_word", Utf8ToCp1251(oneWord.toStdString()));
    auto form = ShownDialog();
    const int boxWidth = form->Memo1->viewport()->width();

    for (const QString& line : {words, oneWord}) {
        Select(*form, line == words ? "words" : "one_word");
        QString title = form->Label2->text();
        QString rest = form->Memo1->document()->firstBlock().text();
        EXPECT_FALSE(title.isEmpty());
        EXPECT_FALSE(rest.isEmpty());
        EXPECT_EQ(title + rest, line);
        EXPECT_LE(QFontMetrics(form->Memo1->font()).horizontalAdvance(title.trimmed()), boxWidth);
    }
    Select(*form, "words");
    EXPECT_TRUE(form->Label2->text().endsWith(' ')) << "split inside a word";
    EXPECT_EQ(form->Memo1->document()->lastBlock().text(), "Second");
}

TEST_F(DictionaryDialogTest, KeyboardSelectionActsLikeAClick) {
    work_.MakeDictionary("a", "First title\nFirst text");
    work_.MakeDictionary("b", "Second title\nSecond text");
    auto form = ShownDialog();
    form->List->setCurrentRow(0);

    QTest::keyClick(form->List, Qt::Key_Down);

    EXPECT_EQ(form->List->currentRow(), 1);
    EXPECT_EQ(form->SelectedFolder(), "b");
    EXPECT_EQ(form->Label1->text(), "b");
    EXPECT_EQ(form->Label2->text(), "Second title");
    EXPECT_EQ(form->Memo1->toPlainText(), "Second text");
}

TEST_F(DictionaryDialogTest, TheFirstArrowKeySelectsTheFirstEntry) {
    work_.MakeDictionary("a", "First title");
    work_.MakeDictionary("b", "Second title");
    auto form = ShownDialog();
    form->List->setFocus();

    QTest::keyClick(form->List, Qt::Key_Down);

    EXPECT_EQ(form->List->currentRow(), 0);
    EXPECT_EQ(form->SelectedFolder(), "a");
    QTest::keyClick(form->List, Qt::Key_Down);
    EXPECT_EQ(form->SelectedFolder(), "b");
}

TEST_F(DictionaryDialogTest, ArrowKeysChangeTheModeAndTabReachesOnlyTheChosenOne) {
    work_.MakeDictionary("a", "Title");
    auto form = ShownDialog();
    EXPECT_EQ(form->WordsChoice->focusPolicy() & Qt::TabFocus, 0);

    QTest::keyClick(form->TranslationsChoice, Qt::Key_Up);
    EXPECT_TRUE(form->WordsChoice->isChecked());
    EXPECT_FALSE(form->TranslationsChoice->isChecked());
    EXPECT_EQ(form->TranslationsChoice->focusPolicy() & Qt::TabFocus, 0);
    EXPECT_NE(form->WordsChoice->focusPolicy() & Qt::TabFocus, 0);
    QTest::keyClick(form->WordsChoice, Qt::Key_Down);
    EXPECT_TRUE(form->TranslationsChoice->isChecked());
}

TEST_F(DictionaryDialogTest, KeepsTheRawBytesOfTheFolderName) {
    const std::string name = "\xc4\xee\xec";  // not UTF-8
    work_.MakeDictionary(name, "Raw");
    auto form = ShownDialog();

    form->List->setCurrentRow(0);

    EXPECT_EQ(form->SelectedFolder(), name);
    EXPECT_EQ(form->Label2->text(), "Raw");
}

TEST_F(DictionaryDialogTest, UnreadableAboutKeepsThePreviousChoice) {
    work_.MakeDictionary("a", "A title\nA text");
    work_.MakeDictionary("b", "B title\nB text");
    auto form = ShownDialog();
    Select(*form, "a");
    std::filesystem::remove(work_ / "b/about.txt");

    Select(*form, "b");

    std::string path = std::filesystem::absolute(work_ / "b/about.txt").lexically_normal().string();
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].first, "zarnik");
    EXPECT_EQ(boxes_[0].second, "Cannot open file \"" + path + "\". No such file or directory.");
    EXPECT_EQ(form->SelectedFolder(), "a");
    EXPECT_EQ(form->Label1->text(), "a");
    EXPECT_EQ(form->Label2->text(), "A title");
    EXPECT_EQ(form->Memo1->toPlainText(), "A text");
    ASSERT_EQ(form->List->selectedItems().size(), 1);
    EXPECT_EQ(form->List->selectedItems().front()->text(), "a");
    EXPECT_EQ(form->List->currentItem()->text(), "a");
    EXPECT_TRUE(form->But1->isEnabled());
}

TEST_F(DictionaryDialogTest, UnreadableFirstChoiceLeavesNothingChosen) {
    work_.MakeDictionary("a");
    auto form = ShownDialog();
    std::filesystem::remove(work_ / "a/about.txt");

    form->List->setCurrentRow(0);

    EXPECT_EQ(boxes_.size(), 1u);
    EXPECT_TRUE(form->List->selectedItems().isEmpty());
    EXPECT_TRUE(form->SelectedFolder().empty());
    EXPECT_FALSE(form->But1->isEnabled());
}

// The speech switch: on by default where the dictionary names its languages, disabled where
// it does not (or names them wrongly), and the player's choice kept for later dialogs.
TEST_F(DictionaryDialogTest, SpeechSwitchFollowsTheLanguagesAndIsRemembered) {
    work_.MakeDictionary("deutsch");
    work_.WriteFile("deutsch/languages.txt", "de ru\r\n");
    work_.MakeDictionary("plain");
    work_.MakeDictionary("wrong");
    work_.WriteFile("wrong/languages.txt", "de\r\n");
    auto form = ShownDialog();
    EXPECT_EQ(form->SpeechBox->text(), Utf8("Произносить слова"));
    const struct {
        const char* folder;
        bool enabled;
        bool checked;
    } kCases[] = {{"deutsch", true, true}, {"plain", false, false}, {"wrong", false, false}};
    for (const auto& c : kCases) {
        Select(*form, c.folder);
        EXPECT_EQ(form->SpeechBox->isEnabled(), c.enabled) << c.folder;
        EXPECT_EQ(form->SpeechBox->isChecked(), c.checked) << c.folder;
    }

    Select(*form, "deutsch");
    form->SpeechBox->click();
    EXPECT_FALSE(form->SpeechBox->isChecked());
    auto later = ShownDialog();
    Select(*later, "deutsch");
    EXPECT_TRUE(later->SpeechBox->isEnabled());
    EXPECT_FALSE(later->SpeechBox->isChecked());
    later->SpeechBox->click();
    Select(*form, "plain");
    Select(*form, "deutsch");
    EXPECT_TRUE(form->SpeechBox->isChecked());
}

// Qt would wait forever on a FIFO in the settings file's place: the choice then lasts for the
// dialog only, and one line says why.
TEST_F(DictionaryDialogTest, SettingsInPlaceOfAFifoAreKeptInMemory) {
    work_.MakeDictionary("deutsch");
    work_.WriteFile("deutsch/languages.txt", "de ru\r\n");
    const std::string folder = qgetenv("XDG_CONFIG_HOME").toStdString() + "/lexodrome";
    std::filesystem::create_directories(folder);
    const std::string file = folder + "/lexodrome.conf";
    std::filesystem::remove(file);
    ASSERT_EQ(mkfifo(file.c_str(), 0600), 0);
    ::testing::internal::CaptureStderr();
    auto form = ShownDialog();
    Select(*form, "deutsch");
    form->SpeechBox->click();
    Select(*form, "deutsch");
    const std::string errors = ::testing::internal::GetCapturedStderr();
    std::filesystem::remove(file);
    EXPECT_FALSE(form->SpeechBox->isChecked());
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
    EXPECT_NE(errors.find(file + " is not a regular file"), std::string::npos) << errors;
}

TEST_F(DictionaryDialogTest, SpinnerStepsByKeyboardBetweenOneAndNinetyNine) {
    work_.MakeDictionary("a");
    auto form = ShownDialog();
    form->UpDown1->setFocus();

    QTest::keyClicks(form->UpDown1, "7");
    EXPECT_EQ(form->SpeedPosition(), 40) << "the number field takes no typing";
    QTest::keyClick(form->UpDown1, Qt::Key_Up);
    EXPECT_EQ(form->SpeedPosition(), 41);
    for (int i = 0; i < 100; ++i) QTest::keyClick(form->UpDown1, Qt::Key_Down);
    EXPECT_EQ(form->SpeedPosition(), 1);
    for (int i = 0; i < 100; ++i) QTest::keyClick(form->UpDown1, Qt::Key_Up);
    EXPECT_EQ(form->SpeedPosition(), 99);
}

}  // namespace
}  // namespace lexo
