#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "pixels.h"

namespace lexo {

// Shows finished frames in an X11 window through a connection of its own: XShmPutImage where
// the server offers shared memory, XPutImage otherwise, each time only what changed. X errors on
// this connection (a window destroyed under it, say) are swallowed and stop the presenting, never
// the process.
class X11Presenter {
  public:
    X11Presenter();
    ~X11Presenter();
    X11Presenter(const X11Presenter&) = delete;
    X11Presenter& operator=(const X11Presenter&) = delete;

    // Starts presenting into the window (an X11 window id) on the display of $DISPLAY. False,
    // presenting nothing, when there is no display or no such window.
    bool Start(unsigned long window);
    void Stop();

    // Shows the picture at the window's top-left corner. Only the `changed` parts of it are
    // sent, unless the window was exposed or the picture's size changed: then all of it.
    void Present(const Image& picture, std::span<const Rect> changed);

  private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace lexo
