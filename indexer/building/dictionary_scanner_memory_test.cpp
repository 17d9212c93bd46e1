// The scanners end a file early when the index runs out of memory. Allocation failure is
// simulated by this test program's own operator new, which throws while a flag is set.

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "building/dictionary_scanner.h"
#include "platform/host_path.h"
#include "platform/message_pump.h"
#include "store/index_tree.h"
#include "testing/temp_directory.h"

namespace {
std::atomic<bool> fail_allocations{false};
}  // namespace

// Memory from this operator new is the C library's, and goes back there.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t size) {
  if (fail_allocations.load(std::memory_order_relaxed)) throw std::bad_alloc();
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  throw std::bad_alloc();
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

namespace building {
namespace {

TEST(ScannerMemoryTest, AnInsertThatRunsOutOfMemoryEndsTheFile) {
  testing_support::TempDirectory dir;
  testing_support::WriteBytes(dir / "A.TXT", "alpha beta gamma\r\ndelta\r\n");
  store::CStringTreeIndex index;
  DictionaryScanner scanner(index);
  // The third step is the one at the start of the Insert of "beta" (the first is the piece's).
  struct FailFromThirdStep : platform::MessagePump {
    void Step() override {
      if (++steps == 3) fail_allocations = true;
    }
    int steps = 0;
  } pump_probe;
  {
    platform::ScopedMessagePump pump(&pump_probe);
    scanner.ScanGenericFile(platform::ProgramPathOfHost(dir / "A.TXT"), 0);
    fail_allocations = false;
  }
  ASSERT_EQ(index.size(), 1u);
  EXPECT_EQ(index.root()->word(), "alpha");
  EXPECT_EQ(pump_probe.steps, 3);  // nothing was read or inserted after the failure
}

}  // namespace
}  // namespace building
