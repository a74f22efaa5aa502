#include "window_model/patdat_search_job.h"

#include "environment/patdat_search.h"

namespace bc {

PatdatSearchJob::PatdatSearchJob(const Environment& env, SearchStepHook hook)
    : env_(env), hook_(std::move(hook)) {
  worker_ = std::thread([this] {
    std::u16string found = FindPatdatFolder(env_, [this](std::u16string_view folder) {
      {
        std::lock_guard<std::mutex> lock(mutex_);
        folder_ = folder;
      }
      if (hook_) hook_(folder);
      return !cancelled_;
    });
    std::lock_guard<std::mutex> lock(mutex_);
    found_ = std::move(found);
    done_ = true;
  });
}

PatdatSearchJob::~PatdatSearchJob() {
  Cancel();
  if (worker_.joinable()) worker_.join();
}

std::u16string PatdatSearchJob::CurrentFolder() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return folder_;
}

std::u16string PatdatSearchJob::Finish() {
  if (worker_.joinable()) worker_.join();
  return cancelled_ ? std::u16string() : found_;
}

}  // namespace bc
