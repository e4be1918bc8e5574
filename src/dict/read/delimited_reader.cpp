#include "dict/read/delimited_reader.h"

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

// From just after the opening quote to just after the closing one (or the text's end). Most
// quoted fields are the text between their quotes; only "" and CR line ends (read as LF) make
// a copy.
std::string_view DelimitedReader::ReadQuoted(std::deque<std::string>& kept) {
    const size_t start = pos_;
    const size_t openedOn = line_;
    std::string* copy = nullptr;
    size_t copied = start;  // the text before this is in *copy
    auto copyUpTo = [&](size_t end) {
        if (!copy) copy = &kept.emplace_back();
        copy->append(text_.substr(copied, end - copied));
    };
    size_t end = text_.size();
    while (pos_ < text_.size()) {
        const char c = text_[pos_];
        if (c == '"') {
            const bool doubled = pos_ + 1 < text_.size() && text_[pos_ + 1] == '"';
            if (!doubled) {
                end = pos_++;
                break;
            }
            copyUpTo(pos_ + 1);
            pos_ += 2;
            copied = pos_;
        } else if (c == '\r') {
            copyUpTo(pos_);
            *copy += '\n';
            PassLineEnd();
            copied = pos_;
        } else if (c == '\n') {
            PassLineEnd();
        } else {
            ++pos_;
        }
    }
    if (end == text_.size()) unclosedLine_ = openedOn;
    if (!copy) return text_.substr(start, end - start);
    copyUpTo(end);
    return *copy;
}

void DelimitedReader::ReadRecord(std::vector<std::string_view>& fields, std::string_view& raw,
                                 std::deque<std::string>& kept) {
    const size_t start = pos_;
    fields.clear();
    for (bool more = true; more;) {
        const bool quoted = pos_ < text_.size() && text_[pos_] == '"';
        std::string_view field;
        if (quoted) {
            ++pos_;
            field = ReadQuoted(kept);
        }
        // Up to the next separator or line end; what follows a closing quote is kept too.
        size_t end = pos_;
        while (end < text_.size() && text_[end] != separator_ && text_[end] != '\n' &&
               text_[end] != '\r') {
            ++end;
        }
        const std::string_view rest = text_.substr(pos_, end - pos_);
        if (!quoted) {
            field = rest;
        } else if (!rest.empty()) {
            field = kept.emplace_back(std::string(field).append(rest));
        }
        fields.push_back(field);
        pos_ = end;
        more = pos_ < text_.size() && text_[pos_] == separator_;
        pos_ += more;
    }
    raw = text_.substr(start, pos_ - start);
    if (AtLineEnd()) PassLineEnd();
}

}  // namespace lexo::dict
