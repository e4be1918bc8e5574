#include "ui/message_boxes.h"

#include <QMessageBox>

#include "errors/message_box.h"
#include "ui/qt_text.h"

namespace lexo {

void InstallQtMessageBoxes() {
    SetMessageBoxPresenter([](const std::string& caption, const std::string& text) {
        QMessageBox box(QMessageBox::Critical, FromCp1251(caption), FromCp1251(text),
                        QMessageBox::Ok);
        box.exec();
    });
}

}  // namespace lexo
