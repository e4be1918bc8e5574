// The floors of the start-up and memory figures: the least a Qt program does before a window of
// the game's size shows something, on the same platform plugin as the game; given a music file,
// the same window also loops it through SDL2_mixer, opened as the game's engine opens it.

#include <SDL.h>
#include <SDL_mixer.h>

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

// The engine's device: 44.1 kHz stereo, 1024 frames a buffer, 16 channels for samples.
bool PlayMusic(const char* path) {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) return false;
    Mix_AllocateChannels(16);
    Mix_Music* music = Mix_LoadMUS(path);
    return music != nullptr && Mix_PlayMusic(music, -1) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication application(argc, argv);
    FilledWindow window;
    window.setWindowTitle(lexo::bench::kFloorWindowTitle);
    window.resize(lexo::bench::kFloorWindowWidth, lexo::bench::kFloorWindowHeight);
    window.show();
    if (argc > 1 && !PlayMusic(argv[1])) return 1;
    return application.exec();
}
