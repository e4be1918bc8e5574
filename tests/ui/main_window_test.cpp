#include "ui/main_window.h"

#include <gtest/gtest.h>

#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

namespace lexo {
namespace {

// The pace of the whole game lives in these six timers: a changed interval or a timer running
// too early changes what a player sees.
TEST(MainWindow, TheSixTimersStartWithTheirIntervalsAndStates) {
    GameState state;
    EngineLibrary library;
    TForm1 form(state, library);

    struct Expected {
        TimerId id;
        int interval;
        bool running;
    };
    for (const Expected& expected :
         {Expected{TimerId::TimerAdd, 2200, false}, Expected{TimerId::TimerMove, 40, false},
          Expected{TimerId::TimerAnimat, 120, false},
          Expected{TimerId::TimerDethAnimat, 140, false}, Expected{TimerId::TimerGame, 140, true},
          Expected{TimerId::Game, 55, true}}) {
        const QTimer* timer = form.Timer(expected.id);
        SCOPED_TRACE(static_cast<int>(expected.id));
        ASSERT_NE(timer, nullptr);
        EXPECT_EQ(timer->interval(), expected.interval);
        EXPECT_EQ(timer->isActive(), expected.running);
        EXPECT_FALSE(timer->isSingleShot());
        EXPECT_EQ(timer->timerType(), Qt::PreciseTimer);
    }
}

// Dead keys, Compose and input methods give their letters as input method events, not keys;
// what is still being composed is not yet part of the answer.
TEST(MainWindow, TheAnswerLineTakesLettersFromInputMethods) {
    GameState state;
    EngineLibrary library;
    TForm1 form(state, library);
    QTest::keyClicks(form.Edit1(), "Schl");
    QList<QInputMethodEvent::Attribute> none;
    QInputMethodEvent composing(QString::fromUtf8("¨"), none);
    QCoreApplication::sendEvent(form.Edit1(), &composing);
    EXPECT_EQ(form.EditText(), "Schl");
    QInputMethodEvent committed(QString(), none);
    committed.setCommitString(QString::fromUtf8("ü"));
    QCoreApplication::sendEvent(form.Edit1(), &committed);
    QTest::keyClicks(form.Edit1(), "ssel");
    EXPECT_EQ(form.EditText(), "Schlüssel");
}

}  // namespace
}  // namespace lexo
