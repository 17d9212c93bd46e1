# Compiles SOURCE as a C program against zentu/zentu.h, links it with -lzentu, and runs it. Fails
# when compiling, linking or the program fails.
file(MAKE_DIRECTORY ${WORK_DIR})
set(program ${WORK_DIR}/c_client)
execute_process(
  COMMAND ${COMPILER} ${FLAGS} -I${INCLUDE_DIR} ${SOURCE} -o ${program}
          -L${LIBRARY_DIR} -lzentu -Wl,-rpath,${LIBRARY_DIR}
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the C program did not build against zentu.h and -lzentu")
endif()
execute_process(COMMAND ${program} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the C program failed (${status})")
endif()
