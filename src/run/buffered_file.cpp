#include "run/buffered_file.h"

namespace bc {

bool BufferedFile::Write(std::string_view bytes) {
  if (!IsOpen() || failed_) return false;
  if (buffer_.size() + bytes.size() <= kBufferSize) {
    buffer_.append(bytes);
    return true;
  }
  if (!Flush()) return false;
  if (bytes.size() < kBufferSize) {
    buffer_.append(bytes);
    return true;
  }
  return Fail(WriteRaw(bytes));
}

bool BufferedFile::Sync() { return Flush() && Fail(SyncRaw()); }

bool BufferedFile::Close() {
  if (!IsOpen()) return !failed_;
  bool flushed = Flush();
  bool closed = CloseRaw();
  return Fail(flushed && closed);
}

bool BufferedFile::Flush() {
  if (!IsOpen() || failed_) return false;
  bool ok = WriteRaw(buffer_);
  buffer_.clear();
  return Fail(ok);
}

bool BufferedFile::Fail(bool ok) {
  if (!ok) failed_ = true;
  return ok;
}

}  // namespace bc
