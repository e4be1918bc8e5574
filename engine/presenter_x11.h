#pragma once

#include <cstdint>
#include <memory>

#include "pixels.h"

namespace lexo {

// Shows finished frames in an X11 window through a connection of its own: XShmPutImage where
// the server offers shared memory, XPutImage otherwise. A frame identical to the one last shown
// is not sent again unless the window was exposed meanwhile. X errors on this connection (a
// window destroyed under it, say) are swallowed and stop the presenting, never the process.
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
    bool Active() const;

    // Shows the frame at the window's top-left corner. `serial` changes whenever the frame's
    // pixels may have; an unchanged serial skips even the comparison.
    void Present(const Image& frame, uint64_t serial);

    // Whether the last Present used shared memory; for tests and diagnostics.
    bool UsesSharedMemory() const;

  private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace lexo
