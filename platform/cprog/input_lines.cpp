#include "input_lines.h"

#include "key_player.h"

namespace vostarel::cprog {

InputLines::InputLines() {
  ready_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE reader = ready_ != nullptr ? CreateThread(nullptr, 0, ReadAll, this, 0, nullptr) : nullptr;
  if (reader == nullptr) {
    ended_ = true;
    if (ready_ != nullptr) SetEvent(ready_);
    return;
  }
  CloseHandle(reader);
}

DWORD WINAPI InputLines::ReadAll(void* self) {
  auto* lines = static_cast<InputLines*>(self);
  const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
  std::string pending;
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(input, buffer, sizeof(buffer), &read, nullptr) && read > 0) {
    pending.append(buffer, read);
    for (size_t end; (end = pending.find('\n')) != std::string::npos;) {
      std::string line = pending.substr(0, end);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      pending.erase(0, end + 1);
      lines->Push(std::move(line));
    }
  }
  std::lock_guard<std::mutex> hold(lines->lock_);
  if (!pending.empty()) lines->lines_.push_back(pending);  // a last line without its end
  lines->ended_ = true;
  SetEvent(lines->ready_);
  return 0;
}

void InputLines::Push(std::string line) {
  std::lock_guard<std::mutex> hold(lock_);
  lines_.push_back(std::move(line));
  SetEvent(ready_);
}

std::optional<std::string> InputLines::Next() {
  for (;;) {
    {
      std::lock_guard<std::mutex> hold(lock_);
      if (!lines_.empty()) {
        std::string line = std::move(lines_.front());
        lines_.pop_front();
        if (lines_.empty() && !ended_) ResetEvent(ready_);
        return line;
      }
      if (ended_) return std::nullopt;
    }
    if (!DrainMessages()) return std::nullopt;
    MsgWaitForMultipleObjects(1, &ready_, FALSE, INFINITE, QS_ALLINPUT);
  }
}

}  // namespace vostarel::cprog
