# Native build: the core with its POSIX platform hooks, the book tool, the
# unit tests and the benchmarks.
add_library(varidel STATIC ${VARIDEL_CORE_SOURCES} ${VARIDEL_POSIX_SOURCES})
target_include_directories(varidel PUBLIC ${CMAKE_SOURCE_DIR})

option(VARIDEL_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(VARIDEL_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

file(GLOB tool_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/*.cpp)
add_executable(varidel-book ${tool_sources})
target_link_libraries(varidel-book PRIVATE varidel)

set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
include(GoogleTest)

file(GLOB unit_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/unit/*.cpp)
add_executable(unit_tests ${unit_sources})
target_link_libraries(unit_tests PRIVATE varidel GTest::gtest_main)
target_compile_definitions(unit_tests PRIVATE
  VARIDEL_BOOK_TOOL="$<TARGET_FILE:varidel-book>"
  VARIDEL_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
add_dependencies(unit_tests varidel-book)
gtest_discover_tests(unit_tests DISCOVERY_TIMEOUT 60)

find_package(benchmark QUIET)
file(GLOB bench_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/bench/*.cpp)
if(benchmark_FOUND AND bench_sources)
  # The layout benchmarks measure on the tests' fixed-pitch surface.
  add_executable(varidel_bench ${bench_sources} ${CMAKE_SOURCE_DIR}/tests/unit/recording_surface.cpp)
  target_link_libraries(varidel_bench PRIVATE varidel benchmark::benchmark_main)
  target_compile_definitions(varidel_bench PRIVATE VARIDEL_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
endif()
include(cmake/fuzz.cmake)
