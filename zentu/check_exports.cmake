# Fails unless the dynamic symbols that LIBRARY defines are exactly the library's 31 exports.
# Run as: cmake -DLIBRARY=libzentu.so -P check_exports.cmake
set(expected
  _strword
  _mbstrupr _mbstrlwr _mbstrconv _is_nth_kanji _is_nth_kanji2 _qvx_nthctype
  _bminitialize _bmstrstr _mbstrstr _mbstrrev _mbstrcmp _mbstricmp _mbstrncmp _mbstrnicmp
  _GetDirectory _GetFilename _GetExtension _parse_filename _euc2sjis _jis2sjis
  _CwExType _GetExDllVersion _GetLanguage
  _gettoken _getSF _wordcheck _Rekkc _mbstrtok _mbdelspace1 _mbdelspace3)

find_program(NM nm REQUIRED)
execute_process(COMMAND ${NM} -D --defined-only ${LIBRARY}
                OUTPUT_VARIABLE listing RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "nm failed on ${LIBRARY}")
endif()

set(defined "")
string(REPLACE "\n" ";" lines "${listing}")
foreach(line IN LISTS lines)
  # "<address> <type> <name>", the name possibly followed by a version ("@@...").
  if(line MATCHES "^[0-9a-fA-F]* *[A-Za-z] ([^@ ]+)")
    list(APPEND defined ${CMAKE_MATCH_1})
  endif()
endforeach()

list(SORT expected)
list(SORT defined)
set(extra ${defined})
list(REMOVE_ITEM extra ${expected})
set(missing ${expected})
if(defined)
  list(REMOVE_ITEM missing ${defined})
endif()
list(LENGTH expected expected_count)
if(extra OR missing)
  message(FATAL_ERROR "libzentu exports differ from the ${expected_count} expected names.\n"
                      "  not expected: ${extra}\n  missing: ${missing}")
endif()
message(STATUS "libzentu exports exactly the ${expected_count} expected names")
