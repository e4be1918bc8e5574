#include "history/history_follower.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>

namespace lexo {

HistoryFollower::News HistoryFollower::ReadNew() {
    News news;
    const int fd = open(path_.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info {};
    if (fd < 0 || fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        if (fd >= 0) close(fd);
        news.afresh = read_ != 0 || device_ != 0;
        Restart();
        return news;
    }
    if (info.st_dev != device_ || info.st_ino != inode_ || info.st_size < read_) {
        news.afresh = device_ != 0;
        Restart();
        device_ = info.st_dev;
        inode_ = info.st_ino;
    }
    std::string text(static_cast<size_t>(info.st_size - read_), '\0');
    size_t got = 0;
    while (got < text.size()) {
        const ssize_t n =
            pread(fd, text.data() + got, text.size() - got, read_ + static_cast<off_t>(got));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        got += static_cast<size_t>(n);
    }
    close(fd);
    // Only whole lines: the game writes each in one append, which may not be complete yet.
    const size_t end = std::string_view(text.data(), got).rfind('\n');
    if (end == std::string_view::npos) return news;
    text.resize(end + 1);
    read_ += static_cast<off_t>(text.size());
    news.games = ReadHistory(text).games;
    return news;
}

}  // namespace lexo
