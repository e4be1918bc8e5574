#include "text/string_list.h"

#include <algorithm>
#include <utility>

namespace lexo {

void StringList::Clear() {
    buffer_.clear();
    ends_.clear();
}

void StringList::Add(std::string_view line) {
    // Whatever the buffer holds after the last line (its line end, text after a NUL) goes, so
    // that the new line starts where the last one's end says the next one does.
    buffer_.resize(NextStart());
    buffer_.append(line);
    ends_.emplace_back(buffer_.size(), false);
}

void StringList::SetText(std::string text) {
    using namespace line_scan;
    buffer_ = std::move(text);
    // The scan writes straight into room made beforehand (left unwritten until then).
    // Dictionary lines are seldom shorter than 8 bytes with their line end, so room for that
    // many (up to a bound, so that a huge file takes no more than it may need) is made at once;
    // a text of shorter lines doubles it as it goes.
    constexpr size_t kMostAtFirst = size_t{1} << 24;
    constexpr size_t kChunkRoom = kChunk + kScanSlack;
    ends_.clear();
    ends_.resize(std::min(buffer_.size() / 8, kMostAtFirst) + kChunkRoom);
    size_t count = 0;
    bool crBefore = false;
    size_t end = buffer_.size();  // or where a NUL ends the text
    for (size_t from = 0; from < end; from += kChunk) {
        if (ends_.size() < count + kChunkRoom) ends_.resize(2 * ends_.size());
        count += ScanChunk(buffer_, from, LineEnds::AnyAndNulEnds, crBefore, end,
                           ends_.data() + count);
    }
    ends_.resize(count);
    // The last line may end with the text rather than with a line end.
    if (NextStart() < end) ends_.emplace_back(end, false);
}

}  // namespace lexo
