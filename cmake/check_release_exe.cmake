# Test: the exe that ships stays lean. Run as
#   cmake -DRELEASE=<stripped exe> -DLINKED=<exe with symbols> -DNM=<nm> -P check_release_exe.cmake
# It fails when the stripped exe is over 600 KB or when the encoder, which
# only the book tool needs, was linked in.
file(SIZE ${RELEASE} size)
math(EXPR limit "600 * 1024")
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
message(STATUS "${RELEASE}: ${size} bytes, no encoder")
