#include "ui/main_window.h"

#include <QAbstractEventDispatcher>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>
#include <QTimer>
#include <chrono>
#include <stdexcept>

#include "errors/error_guard.h"
#include "errors/message_box.h"
#include "history/history_line.h"
#include "process/process_list.h"
#include "review/review_offer.h"
#include "ui/dictionary_dialog.h"
#include "ui/qt_text.h"
#include "ui/translations.h"
#include "ui/untranslated_words_window.h"
#include "ui/window_fonts.h"

namespace lexo {
namespace {

constexpr const char* kEngineLibraryPath = "DGLEngine.so";
constexpr int kClientWidth = 802;
constexpr int kClientHeight = 532;
constexpr int kEditHeight = 21;

struct TimerSetup {
    TimerId id;
    int interval;
    bool enabledAtCreation;
    void (Game::*handler)();
};
constexpr std::array<TimerSetup, 6> kTimers = {{
    {TimerId::TimerAdd, 2200, false, &Game::TimerAddTimer},
    {TimerId::TimerMove, 40, false, &Game::TimerMoveTimer},
    {TimerId::TimerAnimat, 120, false, &Game::TimerAnimatTimer},
    {TimerId::TimerDethAnimat, 140, false, &Game::TimerDethAnimatTimer},
    {TimerId::TimerGame, 140, true, &Game::TimerGameTimer},
    {TimerId::Game, kGameTimerInterval, true, &Game::GameTimer},
}};

// The game's code for a key of the answer line.
int GameKey(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Return:
        case Qt::Key_Enter: return Game::kEnterKey;
        case Qt::Key_Backspace: return Game::kBackspaceKey;
        case Qt::Key_Delete: return Game::kDeleteKey;
        default: return Game::kOtherKey;
    }
}

}  // namespace

EnginePanel::EnginePanel(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_NativeWindow);
    setAttribute(Qt::WA_PaintOnScreen);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

TForm1::TForm1(GameState& state, EngineLibrary& library)
    : library_(library), game_(state, library.Entries(), *this, &history_) {
    setWindowTitle("Lexodrome");
    setFont(WindowFont(11));
    setMinimumSize(kClientWidth, kClientHeight);
    resize(kClientWidth, kClientHeight);

    panel1_ = new EnginePanel(this);
    edit1_ = new QLineEdit(this);
    edit1_->installEventFilter(this);
    CreateTimers();

    game_.UseTexts(TranslatedGameTexts());
    game_.FormCreate(static_cast<uint32_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count()));

    // The application's idle moment: the loop is about to wait, also inside modal dialogs.
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            [this] { RunGuarded([this] { game_.ApplicationEvents1Idle(); }); });
}

void TForm1::CreateTimers() {
    for (const TimerSetup& setup : kTimers) {
        auto* timer = new QTimer(this);
        timer->setTimerType(Qt::PreciseTimer);
        timer->setInterval(setup.interval);
        connect(timer, &QTimer::timeout, this, [this, handler = setup.handler] {
            RunGuarded([this, handler] { (game_.*handler)(); });
        });
        timers_[static_cast<size_t>(setup.id)] = timer;
        if (setup.enabledAtCreation) timer->start();
    }
}

TForm1::~TForm1() = default;

TForm3& TForm1::DictionaryWindow() {
    if (form3_ == nullptr) {
        form3_ = std::make_unique<TForm3>(".");
        auto offer = std::make_shared<ReviewOffer>(HistoryFilePath());
        form3_->OfferReview([offer] { return offer->DueNow(ReviewToday()); });
        if (selectReviewFirst_) form3_->SelectReviewNextTime();
    }
    return *form3_;
}

TForm2& TForm1::UntranslatedWindow() {
    if (form2_ == nullptr) form2_ = std::make_unique<TForm2>();
    return *form2_;
}

bool TForm1::event(QEvent* event) {
    // Another screen may have another device pixel ratio; Qt sends this once the window's
    // screen has changed.
    if (event->type() == QEvent::ScreenChangeInternal) {
        WatchScreen();
        GivePanelSize(panel1_->size());
    }
    return QWidget::event(event);
}

void TForm1::WatchScreen() {
    disconnect(screenDensity_);
    QScreen* current = screen();
    if (current == nullptr) return;
    // Queued: Qt brings the ratio up to date after telling of the new density.
    screenDensity_ = connect(
        current, &QScreen::logicalDotsPerInchChanged, this,
        [this] { GivePanelSize(panel1_->size()); }, Qt::QueuedConnection);
}

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (shown_) return;
    shown_ = true;
    WatchScreen();
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    edit1_->setFocus();
    // Start-up runs a modal dialog: let the show finish first.
    QTimer::singleShot(0, this, [this] { FormShow(); });
}

void TForm1::FormShow() {
    // A run-time error ends start-up where it happened and leaves the window open.
    Game::StartUp result = Game::StartUp::Running;
    RunGuarded([&] { result = game_.FormShow([this] { return LoadEngine(); }); });
    if (result == Game::StartUp::EngineUnavailable) {
        QCoreApplication::exit(1);  // the loader has said why
    } else if (result == Game::StartUp::PlayerQuit) {
        close();
    }
}

bool TForm1::LoadEngine() {
    const bool loaded = library_.LoadEngineLibrary(kEngineLibraryPath);
    const std::vector<std::string> missing = library_.MissingGameEntries();
    if (missing.empty()) return true;
    if (loaded) {
        std::string names;
        for (const std::string& name : missing) names += (names.empty() ? "" : ", ") + name;
        ShowMessageBox(kBindingCaption,
                       "The engine library lacks entries the game needs: " + names + ".");
    }
    return false;
}

void TForm1::closeEvent(QCloseEvent* event) {
    RunGuarded([this] { game_.FormClose(); });
    QWidget::closeEvent(event);
}

void TForm1::FormDestroy() {
    if (destroyed_) return;
    destroyed_ = true;
    RunGuarded([this] { game_.FormDestroy(); });
    library_.FreeEngineLibrary(OwnExecutableName());
}

QSize TForm1::PanelDevicePixels(QSize panel) const {
    // Rounded as Qt rounds the native window's size.
    return panel * panel1_->devicePixelRatio();
}

void TForm1::GivePanelSize(QSize panel) {
    const QSize device = PanelDevicePixels(panel);
    RunGuarded([&] { game_.Panel1CanResize(device.width(), device.height()); });
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const QSize panel(width(), height() - kEditHeight);
    GivePanelSize(panel);
    if (panel1_->size() != panel) panel1_->setGeometry(QRect(QPoint(0, 0), panel));
    // The answer line overlaps the panel's last row, one pixel wider than the window.
    edit1_->setGeometry(0, height() - kEditHeight - 1, width() + 1, kEditHeight);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit1_ && event->type() == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        const int code = GameKey(key->key());
        // A held Enter shoots once; a held deleting key deletes at every repeat.
        if (!key->isAutoRepeat() || code == Game::kBackspaceKey || code == Game::kDeleteKey) {
            RunGuarded([this, code] { game_.Edit1KeyUp(code); });
        }
    }
    return QWidget::eventFilter(watched, event);
}

QTimer* TForm1::Timer(TimerId timer) const { return timers_[static_cast<size_t>(timer)]; }

void TForm1::EnableTimer(TimerId timer, bool enabled) {
    QTimer* qtimer = Timer(timer);
    if (!enabled) {
        qtimer->stop();
    } else if (!qtimer->isActive()) {
        qtimer->start();
    }
}

bool TForm1::TimerEnabled(TimerId timer) const { return Timer(timer)->isActive(); }

void TForm1::SetTimerInterval(TimerId timer, int32_t milliseconds) {
    // A running timer starts its period afresh with the new interval.
    QTimer* qtimer = Timer(timer);
    qtimer->setInterval(milliseconds);
    if (qtimer->isActive()) qtimer->start();
}

PanelSurface TForm1::Panel1() const {
    const QSize device = PanelDevicePixels(panel1_->size());
    return {static_cast<unsigned long>(panel1_->winId()), device.width(), device.height()};
}

void TForm1::SetCaption(const std::string& caption) {
    setWindowTitle(QString::fromStdString(caption));
}

std::string TForm1::EditText() const { return edit1_->text().toStdString(); }

void TForm1::SetEditText(const std::string& text) { edit1_->setText(QString::fromStdString(text)); }

void TForm1::SetEditEnabled(bool enabled) { edit1_->setEnabled(enabled); }

void TForm1::FocusEdit() { edit1_->setFocus(); }

void TForm1::ClearUntranslatedWords() { UntranslatedWindow().ClearLines(); }

void TForm1::AddUntranslatedWord(const std::string& line) { UntranslatedWindow().AddLine(line); }

void TForm1::ShowUntranslatedWords() {
    TForm2& window = UntranslatedWindow();
    if (window.isVisible())
        throw std::logic_error("the list of untranslated words is already open");
    window.exec();
}

std::optional<DictionaryChoice> TForm1::ShowDictionaryDialog(bool offerQuit) {
    return DictionaryWindow().ShowModalDialog(offerQuit);
}

void TForm1::CloseMainWindow() {
    // Closing stops the engine: not from inside the game's own handler.
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

}  // namespace lexo
