#include "cli/batch_progress.h"

#include "cli/terminal.h"
#include "environment/environment.h"

namespace bc {
namespace {

constexpr std::size_t kBarWidth = 24;

std::u16string Number(std::size_t n) { return FromHostPath(std::to_string(n)); }

// "m:ss", or "h:mm:ss" from an hour on.
std::u16string Duration(std::chrono::seconds time) {
  long long s = time.count();
  auto two = [](long long n) { return (n < 10 ? u"0" : u"") + FromHostPath(std::to_string(n)); };
  std::u16string text = s >= 3600 ? FromHostPath(std::to_string(s / 3600)) + u":" + two(s / 60 % 60)
                                  : FromHostPath(std::to_string(s / 60));
  return text + u":" + two(s % 60);
}

}  // namespace

BatchProgress::BatchProgress(std::FILE* stream, bool interactive, Clock clock)
    : stream_(stream), interactive_(interactive), clock_(std::move(clock)), start_(clock_()) {}

std::chrono::seconds BatchProgress::Elapsed() const {
  return std::chrono::duration_cast<std::chrono::seconds>(clock_() - start_);
}

std::u16string BatchProgress::BarText(std::size_t done, std::size_t total,
                                      std::chrono::seconds elapsed, std::u16string_view current) {
  std::size_t filled = total == 0 ? kBarWidth : done * kBarWidth / total;
  std::u16string text = u"[" + std::u16string(filled, u'#') +
                        std::u16string(kBarWidth - filled, u'.') + u"] " + Number(done) + u"/" +
                        Number(total) + u" 経過 " + Duration(elapsed);
  if (done > 0 && done < total) {
    auto remaining = elapsed * static_cast<long long>(total - done) / static_cast<long long>(done);
    text += u" 残り " + Duration(remaining);
  }
  if (!current.empty()) text += u" " + std::u16string(current);
  return text;
}

void BatchProgress::Starting(std::size_t index, std::size_t total, const BatchItem& item) {
  if (index == 0) start_ = clock_();
  if (!interactive_) return;
  // Clear to the end of the line: the previous bar may have been longer.
  WriteText(
      stream_,
      u"\r" + BarText(index, total, Elapsed(), FromHostPath(item.source.filename())) + u"\x1b[K");
}

void BatchProgress::Finished(std::size_t index, std::size_t total, const BatchResult& result) {
  std::u16string name = FromHostPath(result.item.source);
  if (interactive_) {
    if (!result.converted) {
      WriteText(stream_, u"\r\x1b[K停止: " + name + u"\n");
    }
    if (index + 1 == total)
      WriteText(stream_, u"\r" + BarText(total, total, Elapsed(), u"") + u"\x1b[K\n");
    return;
  }
  WriteText(stream_, Number(index + 1) + u"/" + Number(total) +
                         (result.converted ? u" 変換 " : u" 停止 ") + name + u" -> " +
                         result.item.destination + u"\n");
}

}  // namespace bc
