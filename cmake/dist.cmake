# The download: a zip of the exe that ships, the README as text, the book
# text's licence and the SHA-256 sums of all three. Run as
#   cmake -DRELEASE=<stripped exe> -DSOURCE=<source dir> -DOUT=<dist dir>
#         -DVERSION=<version text> -P dist.cmake
# It writes OUT/Varidel-VERSION-win64.zip and, beside it, the zip's own sum.
set(name Varidel-${VERSION}-win64)
set(stage ${OUT}/${name})
file(REMOVE_RECURSE ${stage})
file(MAKE_DIRECTORY ${stage})

# Text files with Windows line ends, for every editor there.
function(copy_as_windows_text from to)
  file(READ ${from} text)
  string(REPLACE "\r\n" "\n" text "${text}")
  string(REPLACE "\n" "\r\n" text "${text}")
  file(WRITE ${to} "${text}")
endfunction()

file(COPY ${RELEASE} DESTINATION ${stage})
copy_as_windows_text(${SOURCE}/README.md ${stage}/README.txt)
copy_as_windows_text(${SOURCE}/resources/book/LICENCE ${stage}/LICENCE-BOOK.txt)

set(files Varidel.exe README.txt LICENCE-BOOK.txt)
set(sums "")
foreach(file ${files})
  file(SHA256 ${stage}/${file} sum)
  string(APPEND sums "${sum} *${file}\r\n")
endforeach()
file(WRITE ${stage}/SHA256SUMS.txt "${sums}")

# Fixed times, so that the same files make the same zip.
set(zip ${OUT}/${name}.zip)
file(REMOVE ${zip})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip "--mtime=2000-01-01 00:00:00 UTC"
                        ${files} SHA256SUMS.txt
                WORKING_DIRECTORY ${stage} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "could not write ${zip}")
endif()
file(SHA256 ${zip} sum)
file(WRITE ${zip}.sha256 "${sum} *${name}.zip\n")
message(STATUS "${zip}")
