#pragma once

#include <QFont>

namespace lexo {

// The sans fonts that stand in for the classic Windows ones, at heights in pixels.
// WindowFont: Tahoma / MS Sans Serif. ArialFont: Arial.
QFont WindowFont(int pixelHeight);
QFont ArialFont(int pixelHeight);

}  // namespace lexo
