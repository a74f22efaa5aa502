#include "window_model/prompter.h"

namespace bc {

Answer Prompter::Ask(std::u16string_view text, MessageStyle style, std::u16string_view title) {
  MessageRequest request{std::u16string(text), style,
                         title.empty() ? std::u16string(kProgramTitle) : std::u16string(title)};
  shown_.push_back(request);
  if (provider_) return provider_(request);
  return ShowBox(request);
}

}  // namespace bc
