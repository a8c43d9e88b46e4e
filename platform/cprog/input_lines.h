// The lines of standard input, for --input: a thread reads them as they
// come, so that the dialer's thread goes on handling its messages while it
// waits for the next one.
#pragma once

#include <windows.h>

#include <deque>
#include <mutex>
#include <optional>
#include <string>

namespace vostarel::cprog {

class InputLines {
 public:
  InputLines();
  InputLines(const InputLines&) = delete;
  InputLines& operator=(const InputLines&) = delete;
  // The reader thread may still be blocked in a read; it is left to end
  // with the process.
  ~InputLines() = default;

  // The next line without its line end, dispatching this thread's messages
  // meanwhile; nothing once the input has ended or the message loop was
  // told to quit (WM_QUIT stays queued).
  std::optional<std::string> Next();

 private:
  static DWORD WINAPI ReadAll(void* self);
  void Push(std::string line);

  std::mutex lock_;
  std::deque<std::string> lines_;  // guarded by lock_
  bool ended_ = false;             // guarded by lock_
  HANDLE ready_ = nullptr;         // set while lines_ has lines or the input ended
};

}  // namespace vostarel::cprog
