// Message boxes as the windows show them: the program's title when none is
// given, a record of every box, and answers that tests can script. Each
// window shows the box itself.
#ifndef BORINGCONV_WINDOW_MODEL_PROMPTER_H_
#define BORINGCONV_WINDOW_MODEL_PROMPTER_H_

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "run/run_ui.h"

namespace bc {

// The title of a message box that has none of its own.
inline constexpr char16_t kProgramTitle[] = u"boringconv";

struct MessageRequest {
  std::u16string text;
  MessageStyle style = MessageStyle::kOk;
  std::u16string title;  // as shown: never empty
};

// Answers a message box instead of the user (tests).
using AnswerProvider = std::function<Answer(const MessageRequest&)>;

class Prompter {
 public:
  virtual ~Prompter() = default;

  // Shows a modal box, or asks the provider when one is set.
  Answer Ask(std::u16string_view text, MessageStyle style, std::u16string_view title);

  void SetAnswerProvider(AnswerProvider provider) { provider_ = std::move(provider); }

  // Every box shown so far, oldest first.
  const std::vector<MessageRequest>& shown() const { return shown_; }

 protected:
  // The window's own box; only Yes/No questions answer other than kOk.
  virtual Answer ShowBox(const MessageRequest& request) = 0;

 private:
  AnswerProvider provider_;
  std::vector<MessageRequest> shown_;
};

}  // namespace bc

#endif  // BORINGCONV_WINDOW_MODEL_PROMPTER_H_
