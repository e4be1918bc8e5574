#pragma once

#include <QDialog>
#include <string>

class QPlainTextEdit;

namespace lexo {

// Lists the words left on the field at game over, one "word - translation" line each. Created
// once, filled and shown modally at every game over, hidden when the player closes it.
class TForm2 : public QDialog {
public:
    explicit TForm2(QWidget* parent = nullptr);

    void ClearLines();
    void AddLine(const std::string& cp1251Line);

    QPlainTextEdit* Memo1 = nullptr;
};

}  // namespace lexo
