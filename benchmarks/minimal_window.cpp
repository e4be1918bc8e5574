// The floor of the start-up figure: the least a Qt program does before a window of the game's
// size shows something, on the same platform plugin as the game.

#include <QApplication>
#include <QPainter>
#include <QWidget>

#include "floor_window.h"

namespace {

class FilledWindow : public QWidget {
  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(rect(), QColor::fromRgb(lexo::bench::kFloorWindowColour));
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication application(argc, argv);
    FilledWindow window;
    window.setWindowTitle(lexo::bench::kFloorWindowTitle);
    window.resize(lexo::bench::kFloorWindowWidth, lexo::bench::kFloorWindowHeight);
    window.show();
    return application.exec();
}
