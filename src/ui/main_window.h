#pragma once

#include <QWidget>
#include <array>
#include <memory>

#include "binding/background_fit.h"
#include "binding/engine_library.h"
#include "game/game.h"
#include "game/game_state.h"
#include "game/game_windows.h"
#include "history/history_file.h"

class QLineEdit;
class QTimer;

namespace lexo {

class TForm2;
class TForm3;

// The surface the engine presents into: a native X11 child window that Qt never paints.
class EnginePanel : public QWidget {
  public:
    explicit EnginePanel(QWidget* parent);
    QPaintEngine* paintEngine() const override { return nullptr; }

  protected:
    void paintEvent(QPaintEvent*) override {}
};

// The main window: the engine's panel, the answer line and the six game timers. It runs the
// start-up sequence when first shown and hands every idle moment to the engine.
class TForm1 : public QWidget, public GameWindows {
  public:
    TForm1(GameState& state, EngineLibrary& library);
    ~TForm1() override;

    // The first dictionary dialog selects the review of the words due, when one is offered.
    void SelectReviewFirst() { selectReviewFirst_ = true; }

    // The window is destroyed: frees the fire sample and unloads the engine, which ends every
    // process of this executable's name, this one included.
    void FormDestroy();

    // GameWindows
    void EnableTimer(TimerId timer, bool enabled) override;
    bool TimerEnabled(TimerId timer) const override;
    void SetTimerInterval(TimerId timer, int32_t milliseconds) override;
    PanelSurface Panel1() const override;
    void SetCaption(const std::string& caption) override;
    std::string EditText() const override;
    void SetEditText(const std::string& text) override;
    void SetEditEnabled(bool enabled) override;
    void FocusEdit() override;
    void ClearUntranslatedWords() override;
    void AddUntranslatedWord(const std::string& line) override;
    void ShowUntranslatedWords() override;
    std::optional<DictionaryChoice> ShowDictionaryDialog(bool offerQuit) override;
    void CloseMainWindow() override;

    // The Qt timer behind each of the game's timers.
    QTimer* Timer(TimerId timer) const;

    QLineEdit* Edit1() const { return edit1_; }

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void CreateTimers();
    void FormShow();
    bool LoadEngine();
    // The panel's size in the pixels of its X window: Qt lays widgets out in device-independent
    // pixels, the native window has that size times the device pixel ratio.
    QSize PanelDevicePixels(QSize panel) const;
    // Gives the engine the panel's size in device pixels.
    void GivePanelSize(QSize panel);
    // Follows the logical density of the window's screen, which sets the device pixel ratio.
    void WatchScreen();
    // The secondary windows, built when first needed: none is seen before the field is shown.
    TForm3& DictionaryWindow();
    TForm2& UntranslatedWindow();

    EngineLibrary& library_;
    FileHistory fileHistory_;
    // Each game kept, the memory model's fit is started apart, never in this process.
    FitAfterGame history_{fileHistory_, [] {
                              if (HistoryFilePath()) StartMemoryFit();
                          }};
    Game game_;
    EnginePanel* panel1_ = nullptr;
    QLineEdit* edit1_ = nullptr;
    std::array<QTimer*, 6> timers_{};
    std::unique_ptr<TForm3> form3_;
    std::unique_ptr<TForm2> form2_;
    QMetaObject::Connection screenDensity_;
    bool shown_ = false;
    bool selectReviewFirst_ = false;
    bool destroyed_ = false;
};

}  // namespace lexo
