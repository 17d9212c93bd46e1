#ifndef ZENTU_DOUBLE_BYTE_SUPPORT_H_
#define ZENTU_DOUBLE_BYTE_SUPPORT_H_

namespace zentu {

// Whether the system's OEM code page has lead-byte ranges. The library asks once, when it is
// loaded; the character classes of kana, kanji and double-byte symbols are reported only while
// the flag is set.
bool DoubleByteSupport();

// Sets or clears the flag. Not exported: the library's own tests use it to see the classes a
// single-byte code page gives.
void SetDoubleByteSupport(bool supported);

}  // namespace zentu

#endif  // ZENTU_DOUBLE_BYTE_SUPPORT_H_
