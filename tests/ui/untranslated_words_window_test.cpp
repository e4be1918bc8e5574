#include "ui/untranslated_words_window.h"

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

namespace lexo {
namespace {

TEST(UntranslatedWordsWindow, AppendsLinesInOrderAndClears) {
    TForm2 form;
    form.AddLine("cat - кот, кошка");
    form.AddLine("der Schlüssel - ключ");
    EXPECT_EQ(form.Memo1->toPlainText(),
              QString::fromUtf8("cat - кот, кошка\nder Schlüssel - ключ"));

    form.ClearLines();
    EXPECT_EQ(form.Memo1->toPlainText(), "");
    form.AddLine("owl - ");
    EXPECT_EQ(form.Memo1->toPlainText(), "owl - ");

    // A dictionary line of megabytes is shown by its beginning, so the list still opens at once.
    form.ClearLines();
    form.AddLine(std::string(3 << 20, 'w') + " - x");
    const QString shown = form.Memo1->toPlainText();
    EXPECT_LT(shown.size(), 2000);
    EXPECT_TRUE(shown.startsWith("wwww"));
    EXPECT_TRUE(shown.endsWith(QChar(0x2026))) << "cut with an ellipsis";
}

TEST(UntranslatedWordsWindow, TakesNoTypingAndHasACloseBox) {
    TForm2 form;
    EXPECT_EQ(form.windowTitle(), QString::fromUtf8("Список непереведённых слов:"));
    EXPECT_TRUE(form.windowFlags() & Qt::WindowCloseButtonHint);

    form.AddLine("cat - kot");
    QTest::keyClicks(form.Memo1, "typed");
    EXPECT_EQ(form.Memo1->toPlainText(), "cat - kot");
}

TEST(UntranslatedWordsWindow, ClosingHidesItAndItCanBeShownAgain) {
    TForm2 form;
    for (int showing = 0; showing < 2; ++showing) {
        form.ClearLines();
        form.AddLine("cat - kot");
        bool openAfterEscape = false;
        QWidget* focused = nullptr;
        QTimer::singleShot(0, &form, [&] {
            QTest::keyClick(form.Memo1, Qt::Key_Escape);
            openAfterEscape = form.isVisible();
            focused = form.focusWidget();
            form.close();
        });
        form.exec();
        EXPECT_TRUE(openAfterEscape);
        EXPECT_EQ(focused, form.Memo1);
        EXPECT_FALSE(form.isVisible());
    }
}

}  // namespace
}  // namespace lexo
