# varidel-book, the host tool for the book and the calendar. The native build
# makes it for itself; a cross build is given one (VARIDEL_BOOK_TOOL).
file(GLOB book_tool_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/*.cpp)
add_executable(varidel-book ${book_tool_sources})
target_link_libraries(varidel-book PRIVATE varidel)
