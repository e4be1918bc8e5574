#pragma once

#include <string>
#include <utility>
#include <vector>

#include "contract/engine_entries.h"
#include "errors/message_box.h"

namespace lexo::test {

using Message = std::pair<std::string, std::string>;  // caption, text

// Collects the message boxes shown during its scope instead of presenting them.
class MessageRecorder {
  public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    const std::vector<Message>& Messages() const { return messages_; }
    void Clear() { messages_.clear(); }

  private:
    std::vector<Message> messages_;
    MessageBoxPresenter previous_;
};

// Every entry of the table with its name, in binding order.
std::vector<std::pair<std::string, void (*)()>> EntryList(const EngineEntries& entries);

// A file name of at most 15 bytes, so that it survives as a process's command name, unique to
// this test process and call.
std::string UniqueProcessName();

void CopyExecutable(const std::string& from, const std::string& to);

}  // namespace lexo::test
