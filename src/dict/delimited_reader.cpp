#include "dict/delimited_reader.h"

namespace lexo::dict {

DelimitedReader::DelimitedReader(std::string_view text, char separator)
    : text_(text), separator_(separator) {}

bool DelimitedReader::AtLineEnd() const {
    return pos_ < text_.size() && (text_[pos_] == '\n' || text_[pos_] == '\r');
}

void DelimitedReader::PassLineEnd() {
    if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') ++pos_;
    ++pos_;
    ++line_;
}

std::string_view DelimitedReader::RestOfLine() const {
    const size_t end = text_.find_first_of("\r\n", pos_);
    return text_.substr(pos_, end == std::string_view::npos ? std::string_view::npos : end - pos_);
}

void DelimitedReader::SkipLine() {
    pos_ += RestOfLine().size();
    if (AtLineEnd()) PassLineEnd();
}

// From just after the opening quote to just after the closing one (or the text's end).
std::string DelimitedReader::ReadQuoted() {
    std::string field;
    while (pos_ < text_.size()) {
        const char c = text_[pos_];
        if (c == '"') {
            if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '"') {
                field += '"';
                pos_ += 2;
                continue;
            }
            ++pos_;
            break;
        }
        if (AtLineEnd()) {
            field += '\n';
            PassLineEnd();
            continue;
        }
        field += c;
        ++pos_;
    }
    return field;
}

void DelimitedReader::ReadRecord(std::vector<std::string>& fields, std::string_view& raw) {
    const size_t start = pos_;
    size_t count = 0;
    for (bool more = true; more; ++count) {
        // Fields of the previous record are reused, keeping their room.
        if (count == fields.size()) fields.emplace_back();
        fields[count].clear();
        if (pos_ < text_.size() && text_[pos_] == '"') {
            ++pos_;
            fields[count] = ReadQuoted();
        }
        // Up to the next separator or line end; what follows a closing quote is kept too.
        size_t end = pos_;
        while (end < text_.size() && text_[end] != separator_ && text_[end] != '\n' &&
               text_[end] != '\r') {
            ++end;
        }
        fields[count].append(text_.substr(pos_, end - pos_));
        pos_ = end;
        more = pos_ < text_.size() && text_[pos_] == separator_;
        pos_ += more;
    }
    fields.resize(count);
    raw = text_.substr(start, pos_ - start);
    if (AtLineEnd()) PassLineEnd();
}

}  // namespace lexo::dict
