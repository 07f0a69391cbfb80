# Test: `make dist` makes the download. Run as
#   cmake -DBUILD=<win64 build dir> -DZIP=<zip> -DRELEASE=<stripped exe> -P check_dist.cmake
# It builds the dist target, as `make dist` does, then checks that the zip
# holds exactly the four files, that its exe is the one built, that the sums
# it lists and the one beside it are right, and that the texts say what they
# must.
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD} --target dist RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0 OR NOT EXISTS ${ZIP})
  message(FATAL_ERROR "the dist target made no ${ZIP}")
endif()

execute_process(COMMAND ${CMAKE_COMMAND} -E tar tf ${ZIP} OUTPUT_VARIABLE listing RESULT_VARIABLE result)
string(STRIP "${listing}" listing)
string(REPLACE "\n" ";" names "${listing}")
list(SORT names)
set(expected LICENCE-BOOK.txt README.txt SHA256SUMS.txt Varidel.exe)
if(NOT result EQUAL 0 OR NOT names STREQUAL expected)
  message(FATAL_ERROR "${ZIP} holds [${names}], not [${expected}]")
endif()

set(unpacked ${BUILD}/dist/check)
file(REMOVE_RECURSE ${unpacked})
file(MAKE_DIRECTORY ${unpacked})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${ZIP} WORKING_DIRECTORY ${unpacked})
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${unpacked}/Varidel.exe ${RELEASE} RESULT_VARIABLE differ)
if(NOT differ EQUAL 0)
  message(FATAL_ERROR "the zip's Varidel.exe is not ${RELEASE}")
endif()

file(READ ${unpacked}/SHA256SUMS.txt sums)
foreach(name Varidel.exe README.txt LICENCE-BOOK.txt)
  file(SHA256 ${unpacked}/${name} sum)
  string(FIND "${sums}" "${sum} *${name}" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "SHA256SUMS.txt has no right sum for ${name}")
  endif()
endforeach()
file(SHA256 ${ZIP} sum)
file(READ ${ZIP}.sha256 beside)
if(NOT beside MATCHES "^${sum} ")
  message(FATAL_ERROR "${ZIP}.sha256 does not hold the zip's sum")
endif()

file(READ ${unpacked}/README.txt readme)
file(READ ${unpacked}/README.txt readme_bytes HEX)
file(READ ${unpacked}/LICENCE-BOOK.txt licence)
if(NOT readme MATCHES "Varidel-[0-9.a-z]+-win64\\.zip" OR NOT readme_bytes MATCHES "0d0a")
  message(FATAL_ERROR "README.txt does not tell of the download, or has no Windows line ends")
endif()
if(NOT licence MATCHES "public domain")
  message(FATAL_ERROR "LICENCE-BOOK.txt does not say the book text is in the public domain")
endif()
file(REMOVE_RECURSE ${unpacked})
message(STATUS "${ZIP}: ${names}, the built exe")
