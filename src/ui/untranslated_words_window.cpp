#include "ui/untranslated_words_window.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <string_view>

#include "text/unicode_text.h"
#include "ui/window_fonts.h"

namespace lexo {
namespace {

// More characters than the box can show of one line. A longer line is cut there and ends in
// "…", so that a dictionary line of megabytes cannot keep the list from opening.
constexpr size_t kLongestShownLine = 1000;

}  // namespace

TForm2::TForm2(QWidget* parent) : QDialog(parent) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowTitle(tr("Список непереведённых слов:"));
    setFont(ArialFont(11));
    setFixedSize(475, 411);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setGeometry(0, 0, 473, 409);
    Memo1->setFont(ArialFont(16));
    Memo1->setReadOnly(true);
    Memo1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Memo1->setFocusPolicy(Qt::StrongFocus);
    Memo1->setUndoRedoEnabled(false);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette palette = Memo1->palette();
    palette.setColor(QPalette::Text, palette.color(QPalette::WindowText));
    Memo1->setPalette(palette);
    Memo1->setFocus();
}

void TForm2::ClearLines() { Memo1->clear(); }

void TForm2::AddLine(const std::string& line) {
    const std::string_view shown = FirstCharacters(line, kLongestShownLine);
    if (shown.size() == line.size()) {
        Memo1->appendPlainText(QString::fromStdString(line));
        return;
    }
    Memo1->appendPlainText(QString::fromStdString(std::string(shown) + "…"));
}

void TForm2::setVisible(bool visible) {
    if (visible && !isVisible()) {
        // Appending scrolls to the last line; the list is read from its oldest word down.
        Memo1->moveCursor(QTextCursor::Start);
        if (QScreen* screen = this->screen()) {
            QRect desktop = screen->availableGeometry();
            move(desktop.center() - QPoint(width() / 2, height() / 2));
        }
    }
    QDialog::setVisible(visible);
}

// Only the close box and the system menu close the window; a stray Escape typed at the end of
// a game does not skip the list.
void TForm2::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace lexo
