#include "window_model/window_thread.h"

#include <condition_variable>
#include <memory>
#include <mutex>

namespace bc {
namespace {

struct Completion {
  std::mutex mutex;
  std::condition_variable done_changed;
  bool done = false;
};

}  // namespace

void WindowThread::RunAndWait(const std::function<void()>& task) {
  if (IsCurrent()) {
    task();
    return;
  }
  auto completion = std::make_shared<Completion>();
  Post([&task, completion] {
    task();
    std::lock_guard<std::mutex> lock(completion->mutex);
    completion->done = true;
    completion->done_changed.notify_one();
  });
  std::unique_lock<std::mutex> lock(completion->mutex);
  completion->done_changed.wait(lock, [&completion] { return completion->done; });
}

}  // namespace bc
