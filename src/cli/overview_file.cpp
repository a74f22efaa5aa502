#include "cli/overview_file.h"

#include <system_error>

#include "picture/boring_profile.h"
#include "picture/svg_picture.h"
#include "run/run_error.h"

namespace bc {
namespace {

// The boring's name when it has none of its own: its folder's, ROOT\<stem>.
std::u16string Stem(const BatchItem& item) {
  return item.destination.substr(item.destination.rfind(u'\\') + 1);
}

// What the run said. A message that starts with the source's path loses it:
// the slot is short and its name already tells the file.
std::u16string StopReason(const BatchResult& result) {
  std::u16string reason;
  for (const std::u16string& message : result.messages) {
    reason += (reason.empty() ? u"" : u" / ") + message;
  }
  for (const std::filesystem::path& source : {result.item.source, result.item.source.filename()}) {
    std::u16string named = FromHostPath(source) + u": ";
    if (reason.starts_with(named)) return reason.substr(named.size());
  }
  return reason;
}

}  // namespace

OverviewFile::OverviewFile(const Environment& env, std::filesystem::path svg, bool make_folder,
                           BatchObserver& next)
    : env_(env), svg_(std::move(svg)), make_folder_(make_folder), next_(next) {}

void OverviewFile::Starting(std::size_t index, std::size_t total, const BatchItem& item) {
  fresh_.emplace(env_.HostPath(item.destination));
  next_.Starting(index, total, item);
}

void OverviewFile::Finished(std::size_t index, std::size_t total, const BatchResult& result) {
  OverviewBoring& boring = borings_.emplace_back();
  boring.profile.name = Stem(result.item);
  boring.converted = result.converted;
  if (!result.converted) {
    boring.stop_reason = StopReason(result);
  } else {
    try {
      boring.profile = ReadBoringProfile(fresh_->Written(), boring.profile.name);
    } catch (const RunError& error) {
      boring.converted = false;
      boring.stop_reason = error.message();
      if (!failure_) failure_ = error.message();
    }
  }
  next_.Finished(index, total, result);
}

std::optional<std::u16string> OverviewFile::Write() const {
  try {
    std::error_code ec;
    if (make_folder_ && svg_.has_parent_path()) {
      std::filesystem::create_directories(svg_.parent_path(), ec);
    }
    WriteSvgFile(LayOutOverview(borings_), svg_);
  } catch (const RunError& error) {
    return error.message();
  }
  return failure_;
}

}  // namespace bc
