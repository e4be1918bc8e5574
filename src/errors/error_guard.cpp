#include "errors/error_guard.h"

#include <exception>
#include <new>
#include <string>

#include "errors/message_box.h"
#include "errors/run_time_error.h"

namespace lexo {

bool RunGuarded(const std::function<void()>& handler) {
    std::string text;
    std::string file;
    try {
        handler();
        return true;
    } catch (const RunTimeError& error) {
        text = error.what();
        file = error.File();
    } catch (const std::bad_alloc&) {
        text = "Out of memory";
    } catch (const std::exception& error) {
        text = error.what();
    } catch (...) {
        text = "Unknown error";
    }
    ShowMessageBox(kApplicationCaption, text + ".", file.empty() ? file : "file " + file);
    return false;
}

}  // namespace lexo
