// zarnik: the Lexodrome game. Run it in the game folder: the engine library, the content and
// the dictionary folders are found in the working directory. With --review the first
// dictionary dialog has the review of the words due chosen.

#include <QApplication>
#include <cstdlib>

#include "binding/engine_library.h"
#include "game/game_state.h"
#include "ui/main_window.h"
#include "ui/message_boxes.h"
#include "ui/translations.h"

int main(int argc, char** argv) {
    // The engine presents into X11 windows (XWayland included).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication application(argc, argv);
    const auto environment = [](const char* name) -> const char* { return std::getenv(name); };
    lexo::InstallTranslations(application, lexo::ChoosePlayerLanguage(environment));
    lexo::InstallQtMessageBoxes();

    lexo::GameState state;
    lexo::EngineLibrary engine;
    lexo::TForm1 form1(state, engine);
    // The desktop entry's "Review words": the first dialog has the review of the words due chosen.
    if (application.arguments().contains(QStringLiteral("--review"))) form1.SelectReviewFirst();
    form1.show();

    const int exitCode = application.exec();
    // A start-up that could not use the engine ends here; otherwise unloading the engine ends
    // this process with exit code 0.
    if (exitCode == 0) form1.FormDestroy();
    return exitCode;
}
