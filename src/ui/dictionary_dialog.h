#pragma once

#include <QDialog>
#include <cstdint>
#include <string>

#include "game/game_state.h"

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QGroupBox;

namespace lexo {

// The dictionary window: which dictionary, which game mode, how fast the monsters walk. Created
// once (its creation scans the working directory for dictionary folders), hidden between
// showings, keeping every control's state. Only But1 closes it.
class TForm3 : public QDialog {
public:
    // Scans workingDir ("." in the game) for dictionary folders.
    explicit TForm3(GameState& state, const std::string& workingDir = ".", QWidget* parent = nullptr);

    // Position of the speed spinner UpDown1, 1 ... 99.
    int32_t SpeedPosition() const;

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

private:
    void FormCreate();
    void ListClick();
    void But1Click();

    GameState& state_;
    std::string workingDir_;
};

}  // namespace lexo
