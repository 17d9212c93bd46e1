#include "zentu/double_byte_support.h"

#include "zentu/host.h"

namespace zentu {
namespace {

bool OemCodePageHasLeadBytes() {
  host::CodePageInfo info;
  if (!host::GetOemCodePageInfo(info)) return false;
  return info.lead_byte_ranges[0] != 0 || info.lead_byte_ranges[1] != 0;
}

// Written once while the library loads (a static initializer), only read afterwards.
bool double_byte_support = OemCodePageHasLeadBytes();

}  // namespace

bool DoubleByteSupport() { return double_byte_support; }

void SetDoubleByteSupport(bool supported) { double_byte_support = supported; }

}  // namespace zentu
