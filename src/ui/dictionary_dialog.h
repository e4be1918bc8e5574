#pragma once

#include <QDialog>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "game/game_state.h"
#include "game/game_windows.h"
#include "ui/player_settings.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QGroupBox;

namespace lexo {

// The dictionary window: which dictionary, which game mode, how fast the monsters walk. Created
// once, hidden between showings, keeping every control's state; it looks for dictionary folders
// in the working directory when created and each time it is shown, and lists the review of the
// words due, when there is one, at the top. Only But1 closes it, except when there is no
// dictionary at all (it explains where it looked and offers QuitButton instead) or when the
// game asks for QuitButton beside But1.
class TForm3 : public QDialog {
    Q_OBJECT

  public:
    // The monsters' pace the number field shows when the dialog is built.
    static constexpr int32_t kInitialSpeed = 40;

    // Scans workingDir ("." in the game) for dictionary folders.
    explicit TForm3(const std::string& workingDir = ".", QWidget* parent = nullptr);

    // Shows the dialog modally until the player confirms a dictionary with But1; nothing when
    // the player quit instead (offered without dictionaries, and with offerQuit).
    std::optional<DictionaryChoice> ShowModalDialog(bool offerQuit = false);

    // The folder whose description is shown: what But1 confirms. Empty before the first
    // selection.
    const std::string& SelectedFolder() const { return selectedFolder_; }

    // Where the review of the words due comes from: asked each time the dialog is shown; null
    // when no word is due.
    using ReviewSource = std::function<std::shared_ptr<const MemoryDictionary>()>;
    void OfferReview(ReviewSource source) { reviewSource_ = std::move(source); }
    // The next showing selects the review, when one is offered.
    void SelectReviewNextTime() { selectReview_ = true; }

    // Position of the speed spinner UpDown1, 1 ... 99.
    int32_t SpeedPosition() const;

    // Escape and the window manager's close requests do not end the dialog.
    void reject() override;
    void setVisible(bool visible) override;

    // Controls, named as in the form designer; public so tests can drive them.
    QListWidget* List = nullptr;
    QPushButton* But1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QGroupBox* RadioGroup1 = nullptr;
    QRadioButton* WordsChoice = nullptr;         // "Ввод слов"
    QRadioButton* TranslationsChoice = nullptr;  // "Ввод переводов"
    QLabel* Label3 = nullptr;
    QSpinBox* UpDown1 = nullptr;  // with its read-only number field (MaskEdit1)
    // In But1's place when no dictionary folder exists; ends the dialog without a choice.
    QPushButton* QuitButton = nullptr;
    // "Произносить слова": enabled for a dictionary that names its languages; the player's
    // choice is kept in the configuration for later games and runs.
    QCheckBox* SpeechBox = nullptr;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void CreateControls();
    void CreateRadioGroup();
    void SetTabOrder();
    void FormCreate();
    void LookForDictionaries();
    void SelectAgain(const QByteArray& folder, bool review);
    void ShowNoDictionaryHelp(bool none);
    QString ReviewAbout() const;
    void OfferQuit(bool offer);
    void ListClick();
    void ShowAbout(const QString& folderName, const QString& about);
    void RestoreSelection();
    void But1Click();
    void ShowSpeechChoice(const std::string& folder);

    std::string workingDir_;
    // The windows' language, as the translations were chosen: it picks each folder's
    // description and which folders come first.
    std::string language_;
    PlayerSettings settings_;
    std::string selectedFolder_;
    ReviewSource reviewSource_;
    std::shared_ptr<const MemoryDictionary> review_;          // listed now
    std::shared_ptr<const MemoryDictionary> selectedReview_;  // shown, for But1 to confirm
    bool selectReview_ = false;
    uint8_t confirmedMode_ = kModeNone;
    // The entry whose about.txt is shown; the selection returns to it when a read fails.
    QListWidgetItem* shownItem_ = nullptr;
};

}  // namespace lexo
