// The thread a window lives on, as a worker sees it: work handed to it runs
// there, between the window's own events.
#ifndef BORINGCONV_WINDOW_MODEL_WINDOW_THREAD_H_
#define BORINGCONV_WINDOW_MODEL_WINDOW_THREAD_H_

#include <functional>

namespace bc {

class WindowThread {
 public:
  virtual ~WindowThread() = default;

  // True on the window's own thread.
  virtual bool IsCurrent() const = 0;

  // Queues task to run on the window's thread and returns at once.
  virtual void Post(std::function<void()> task) = 0;

  // Runs task on the window's thread and returns when it has run; at once
  // when called there.
  void RunAndWait(const std::function<void()>& task);
};

}  // namespace bc

#endif  // BORINGCONV_WINDOW_MODEL_WINDOW_THREAD_H_
