# varidel-book, the host tool for the book and the calendar. A build that runs
# its own makes it here; a cross build is usually given one (VARIDEL_BOOK_TOOL).
#
# The tool reads files, the C library's clock and an in-memory settings store:
# the core with the *_posix.cpp platform files. Outside Windows that is the
# library `varidel` itself; on Windows `varidel` holds the program's Win32
# files, so the tool gets a library of its own from the same core sources.
file(GLOB book_tool_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/*.cpp)
add_executable(varidel-book ${book_tool_sources})
if(WIN32)
  add_library(varidel_host STATIC ${VARIDEL_CORE_SOURCES} ${VARIDEL_POSIX_SOURCES})
  target_include_directories(varidel_host PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(varidel-book PRIVATE varidel_host)
else()
  target_link_libraries(varidel-book PRIVATE varidel)
endif()
# It runs during the build, where MinGW's runtime DLLs may not be on the path.
if(MINGW)
  target_link_options(varidel-book PRIVATE -static)
endif()
