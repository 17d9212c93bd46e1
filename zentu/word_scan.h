#ifndef ZENTU_WORD_SCAN_H_
#define ZENTU_WORD_SCAN_H_

namespace zentu {

// Ends the word scan in progress, if any: the next _strword(NULL) returns NULL. The token
// routines call it around their own use of _strword, so that they never continue a caller's
// scan and never leave the scan position pointing into their own work buffer.
void ResetWordScan();

}  // namespace zentu

#endif  // ZENTU_WORD_SCAN_H_
