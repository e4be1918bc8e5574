#pragma once

#include <QDialog>
#include <string>

class QPlainTextEdit;

namespace lexo {

// Lists the words left on the field at game over, one "word - translation" line each. Created
// once, filled and shown modally (exec()) at every game over, hidden when the player closes it.
class TForm2 : public QDialog {
    Q_OBJECT

  public:
    explicit TForm2(QWidget* parent = nullptr);

    void ClearLines();
    // Appends one line of text below the others.
    void AddLine(const std::string& line);

    void setVisible(bool visible) override;

    QPlainTextEdit* Memo1 = nullptr;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace lexo
