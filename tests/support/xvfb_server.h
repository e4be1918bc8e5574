#pragma once

#include <sys/types.h>

#include <string>

namespace lexo::test {

// An Xvfb X server of the test's own. The constructor starts `Xvfb -displayfd` on a display
// number that is free at that moment (so tests running in parallel each get their own) and
// waits until the server accepts connections; the destructor stops it. Nothing global is
// touched: to make a library that opens $DISPLAY use it, set DISPLAY to Name() yourself.
//
//   XvfbServer server;                      // 1024 x 768, 24-bit
//   ASSERT_TRUE(server.Running()) << server.Error();
//   Display* display = XOpenDisplay(server.Name().c_str());
class XvfbServer {
  public:
    struct Screen {
        int width = 1024;
        int height = 768;
        int depth = 24;
    };

    XvfbServer() : XvfbServer(Screen{}) {}
    explicit XvfbServer(Screen screen);
    ~XvfbServer();
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    bool Running() const { return pid_ > 0 && !name_.empty(); }
    // The display name, e.g. ":3"; empty when the server did not start.
    const std::string& Name() const { return name_; }
    // The server's process, e.g. to read its processor time.
    pid_t Pid() const { return pid_; }
    // Why the server did not start, with the tail of its log.
    const std::string& Error() const { return error_; }

  private:
    void Stop();

    pid_t pid_ = -1;
    std::string name_;
    std::string error_;
    std::string logPath_;
};

}  // namespace lexo::test
