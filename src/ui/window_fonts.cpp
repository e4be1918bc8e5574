#include "ui/window_fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace lexo {
namespace {

QFont FirstInstalled(const QStringList& families, int pixelHeight) {
    const QStringList installed = QFontDatabase::families();
    QFont font;
    for (const QString& family : families) {
        if (installed.contains(family)) {
            font.setFamily(family);
            break;
        }
    }
    font.setPixelSize(pixelHeight);
    return font;
}

}  // namespace

QFont WindowFont(int pixelHeight) {
    return FirstInstalled({"DejaVu Sans", "Liberation Sans"}, pixelHeight);
}

QFont ArialFont(int pixelHeight) {
    return FirstInstalled({"Liberation Sans", "DejaVu Sans"}, pixelHeight);
}

}  // namespace lexo
