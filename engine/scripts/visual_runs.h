#pragma once

#include <string_view>
#include <vector>

#include "script_libraries.h"

namespace lexo {

// A stretch of a line drawn by one face in one direction.
struct VisualRun {
    size_t start = 0;  // characters [start, end) of the line, in logical order
    size_t end = 0;
    int face = 0;
    bool rightToLeft = false;
};

// The line cut where its face or its bidirectional level changes, the runs in the order they
// show from left to right (the Unicode bidirectional algorithm, its paragraph direction taken
// from the line's first strong character). `faces` holds each character's face.
std::vector<VisualRun> VisualRuns(const ScriptLibraries& lib, std::u32string_view line,
                                  const std::vector<int>& faces);

}  // namespace lexo
