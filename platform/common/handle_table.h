// The handles a stand-in hands out (SIM sessions, open call logs): each is
// the address of a session object that the table owns. Every call checks the
// handle against the table, so a stale, foreign or made-up handle is refused
// instead of being followed, and the table's size is the count of handles not
// yet closed.
#pragma once

#include <windows.h>

#include <memory>
#include <mutex>
#include <unordered_map>

namespace vostarel::platform {

template <class Session>
class HandleTable {
 public:
  // Takes the session over and returns its handle; null when memory fails.
  HANDLE Add(std::unique_ptr<Session> session) {
    try {
      const HANDLE handle = session.get();
      std::lock_guard<std::mutex> hold(lock_);
      sessions_.emplace(handle, std::move(session));
      return handle;
    } catch (...) {
      return nullptr;
    }
  }

  // Closes the handle; false when it is not open.
  bool Remove(HANDLE handle) {
    std::unique_ptr<Session> closed;
    std::lock_guard<std::mutex> hold(lock_);
    const auto found = sessions_.find(handle);
    if (found == sessions_.end()) return false;
    closed = std::move(found->second);
    sessions_.erase(found);
    return true;
  }

  // Runs use(session) with the table locked, so that one session is used by
  // one thread at a time; false, without calling use, when the handle is not
  // open.
  template <class Use>
  bool With(HANDLE handle, Use&& use) {
    std::lock_guard<std::mutex> hold(lock_);
    const auto found = sessions_.find(handle);
    if (found == sessions_.end()) return false;
    use(*found->second);
    return true;
  }

  LONG Count() {
    std::lock_guard<std::mutex> hold(lock_);
    return static_cast<LONG>(sessions_.size());
  }

 private:
  std::mutex lock_;
  std::unordered_map<HANDLE, std::unique_ptr<Session>> sessions_;
};

}  // namespace vostarel::platform
