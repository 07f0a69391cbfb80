# Test: the exe that ships stays lean. Run as
#   cmake -DRELEASE=<stripped exe> -DLINKED=<exe with symbols> -DNM=<nm> -P check_release_exe.cmake
# It fails when the stripped exe is over LIMIT_KB, when the encoder, which
# only the book tool needs, was linked in, or when the C++ runtime's symbol
# demangler or its exception classes with their strings were (its terminate
# handler or its throwing helpers would be the program's again).
set(LIMIT_KB 450)
file(SIZE ${RELEASE} size)
math(EXPR limit "${LIMIT_KB} * 1024")
if(size GREATER limit)
  message(FATAL_ERROR "${RELEASE} is ${size} bytes, over ${limit}")
endif()
execute_process(COMMAND ${NM} -C ${LINKED} OUTPUT_VARIABLE symbols RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${NM} could not read ${LINKED}")
endif()
foreach(name CompressLesson BuildLessonContainer CompileBook)
  string(FIND "${symbols}" " ${name}(" found)
  if(NOT found EQUAL -1)
    message(FATAL_ERROR "${name} is linked into ${LINKED}")
  endif()
endforeach()
string(FIND "${symbols}" " __cxa_demangle\n" found)
if(NOT found EQUAL -1)
  message(FATAL_ERROR "the symbol demangler (__cxa_demangle) is linked into ${LINKED}")
endif()
string(FIND "${symbols}" " std::logic_error::logic_error(" found)
if(NOT found EQUAL -1)
  message(FATAL_ERROR "the runtime's exception classes (std::logic_error) are linked into ${LINKED}")
endif()
message(STATUS "${RELEASE}: ${size} bytes, no encoder, no demangler, no exception classes")
