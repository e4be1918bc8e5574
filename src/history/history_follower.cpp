#include "history/history_follower.h"

#include <utility>

#include "text/file_reader.h"

namespace lexo {

HistoryFollower::News HistoryFollower::ReadNew() {
    News news;
    std::expected<FileBytes, FileError> read = ReadFileWithIdentity(path_, {.from = read_});
    if (read) {
        const FileIdentity& file = read->identity;
        if (file.device != device_ || file.inode != inode_ || file.size < read_) {
            news.afresh = device_ != 0;
            const bool readBefore = read_ != 0;
            Restart();
            device_ = file.device;
            inode_ = file.inode;
            if (readBefore) read = ReadFileWithIdentity(path_);
        }
    }
    if (!read) {
        news.afresh = read_ != 0 || device_ != 0;
        Restart();
        return news;
    }
    std::string& text = read->bytes;
    // Only whole lines: the game writes each in one append, which may not be complete yet.
    const size_t end = text.rfind('\n');
    if (end == std::string::npos) return news;
    text.resize(end + 1);
    read_ += static_cast<off_t>(text.size());
    news.games = ReadHistory(text).games;
    return news;
}

}  // namespace lexo
