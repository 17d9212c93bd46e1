// The library's identity: its type, version and language.

#include "zentu/zentu.h"

extern "C" ZENTU_API int _CwExType(void) { return 0; }

extern "C" ZENTU_API int _GetExDllVersion(void) { return 3; }

extern "C" ZENTU_API char* _GetLanguage(char* out) {
  out[0] = '\0';
  return out;
}
