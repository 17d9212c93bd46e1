#include "platform/message_pump.h"

#include <utility>

namespace platform {

namespace internal {
MessagePump* installed_message_pump = nullptr;
}

MessagePump* InstallMessagePump(MessagePump* pump) {
  return std::exchange(internal::installed_message_pump, pump);
}

}  // namespace platform
