// The buffering every host's writable file shares: small writes gather in
// 64 KiB, and the first failure sticks, so that Sync and Close report any
// write before them. A host file gives only its raw write, sync and close.
#ifndef BORINGCONV_RUN_BUFFERED_FILE_H_
#define BORINGCONV_RUN_BUFFERED_FILE_H_

#include <string>
#include <string_view>

#include "run/file_system.h"

namespace bc {

class BufferedFile : public WritableFile {
 public:
  bool Write(std::string_view bytes) override;
  bool Sync() override;
  bool Close() override;

 protected:
  static constexpr std::size_t kBufferSize = 64 * 1024;

  // A host file calls Close in its destructor: a file left open, as by a run
  // that stops, keeps what was written to it.
  virtual bool IsOpen() const = 0;
  virtual bool WriteRaw(std::string_view bytes) = 0;  // all of it, or false
  virtual bool SyncRaw() = 0;
  virtual bool CloseRaw() = 0;  // a network drive may report a failed write here

 private:
  bool Flush();
  bool Fail(bool ok);

  bool failed_ = false;
  std::string buffer_;
};

}  // namespace bc

#endif  // BORINGCONV_RUN_BUFFERED_FILE_H_
