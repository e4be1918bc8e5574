#include "errors/message_box.h"

#include <cstdio>
#include <utility>

#include "text/cp1251.h"

namespace lexo {
namespace {

MessageBoxPresenter& Presenter() {
    static MessageBoxPresenter presenter;
    return presenter;
}

}  // namespace

void ShowMessageBox(const std::string& caption, const std::string& text,
                    const std::string& detail) {
    std::string line = Cp1251ToUtf8(caption) + ": " + Cp1251ToUtf8(text);
    if (!detail.empty()) line += " (" + Cp1251ToUtf8(detail) + ")";
    line += "\n";
    std::fputs(line.c_str(), stderr);
    std::fflush(stderr);
    if (Presenter()) Presenter()(caption, text);
}

MessageBoxPresenter SetMessageBoxPresenter(MessageBoxPresenter presenter) {
    return std::exchange(Presenter(), std::move(presenter));
}

}  // namespace lexo
