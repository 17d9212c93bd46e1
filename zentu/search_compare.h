#ifndef ZENTU_SEARCH_COMPARE_H_
#define ZENTU_SEARCH_COMPARE_H_

namespace zentu {

// Drops the Boyer-Moore table, as if _bminitialize had never been called. Not exported: the
// library's own tests use it to see the result of _bmstrstr without a table.
void ForgetBoyerMooreTable();

}  // namespace zentu

#endif  // ZENTU_SEARCH_COMPARE_H_
