#include "ui/window_fonts.h"

#include <QStringList>

namespace lexo {
namespace {

QFont FirstInstalled(const QStringList& families, int pixelHeight) {
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelHeight);
    return font;
}

}  // namespace

// DejaVu Sans is drawn much like Tahoma.
QFont WindowFont(int pixelHeight) {
    return FirstInstalled({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")},
                          pixelHeight);
}

// Liberation Sans has Arial's widths, close to those of MS Sans Serif and Arial that the dialog
// layouts were made for; DejaVu Sans, always installed, is wider.
QFont ArialFont(int pixelHeight) {
    return FirstInstalled({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")},
                          pixelHeight);
}

}  // namespace lexo
