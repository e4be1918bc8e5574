#include "text/string_list.h"

#include <algorithm>
#include <utility>

namespace lexo {

void StringList::Clear() {
    buffer_.clear();
    ends_.clear();
}

void StringList::Add(std::string_view line) {
    // One NUL ends the last line whatever ended it before (a CR, a CR LF, the text's end), and
    // anything after it goes: a line end that is neither CR nor LF cannot pair with the bytes
    // around it, so every line keeps its place.
    if (ends_.empty()) {
        buffer_.clear();
    } else {
        const size_t lastEnd = ends_.back().Offset();
        buffer_.resize(lastEnd + 1);
        buffer_[lastEnd] = '\0';
    }
    buffer_.append(line);
    ends_.emplace_back(buffer_.size());
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
        count +=
            ScanChunk(buffer_, from, LineEnds::AnyAndNulEnds, crBefore, end, ends_.data() + count);
    }
    ends_.resize(count);
    // The last line may end with the text rather than with a line end.
    const size_t lastStart =
        ends_.empty() ? 0 : line_scan::StartAfter(buffer_, ends_.back().Offset());
    if (lastStart < end) ends_.emplace_back(end);
}

}  // namespace lexo
