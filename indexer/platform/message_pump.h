#ifndef INDEXER_PLATFORM_MESSAGE_PUMP_H_
#define INDEXER_PLATFORM_MESSAGE_PUMP_H_

namespace platform {

// The message-pump step: long operations call PumpMessages() as they go (per inserted word, per
// freed node, per index record read or written, per scanned line) so that a window stays
// responsive. A front end installs its pump; with none installed the step does nothing. An
// implementation must be cheap to call millions of times, for example by dispatching only when
// some milliseconds have passed since its last dispatch.
class MessagePump {
 public:
  virtual ~MessagePump() = default;
  virtual void Step() = 0;
};

namespace internal {
extern MessagePump* installed_message_pump;
}

inline void PumpMessages() {
  if (MessagePump* pump = internal::installed_message_pump) pump->Step();
}

// Installs `pump` (nullptr for none) and returns the one installed before.
MessagePump* InstallMessagePump(MessagePump* pump);

// Installs a pump for the lifetime of the object and restores the previous one afterwards.
class ScopedMessagePump {
 public:
  explicit ScopedMessagePump(MessagePump* pump) : previous_(InstallMessagePump(pump)) {}
  ~ScopedMessagePump() { InstallMessagePump(previous_); }
  ScopedMessagePump(const ScopedMessagePump&) = delete;
  ScopedMessagePump& operator=(const ScopedMessagePump&) = delete;

 private:
  MessagePump* previous_;
};

}  // namespace platform

#endif  // INDEXER_PLATFORM_MESSAGE_PUMP_H_
