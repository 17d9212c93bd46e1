#ifndef INDEXER_SHELL_BUSY_FLAG_H_
#define INDEXER_SHELL_BUSY_FLAG_H_

namespace shell {

// Sets a busy flag (the document's or the view's m_busy) to 1 for its lifetime and back to 0
// when it ends, however the operation ends: normally, early, or by an exception.
class ScopedBusyFlag {
 public:
  explicit ScopedBusyFlag(int& flag) : flag_(flag) { flag_ = 1; }
  ~ScopedBusyFlag() { flag_ = 0; }
  ScopedBusyFlag(const ScopedBusyFlag&) = delete;
  ScopedBusyFlag& operator=(const ScopedBusyFlag&) = delete;

 private:
  int& flag_;
};

}  // namespace shell

#endif  // INDEXER_SHELL_BUSY_FLAG_H_
