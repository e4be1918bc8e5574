#pragma once

#include "image.h"

namespace lexo {

// The field: a calm sunny meadow, 800 x 512, light enough everywhere for blue words to read,
// with a sandy clearing where the player stands and worn paths leading to it.
Image MakeBackground();

}  // namespace lexo
