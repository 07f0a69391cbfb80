# Native build: the core with its POSIX platform hooks, the book tool, the
# unit tests and the benchmarks; with VARIDEL_FUZZ the libFuzzer targets.
add_library(varidel STATIC ${VARIDEL_CORE_SOURCES} ${VARIDEL_POSIX_SOURCES})
target_include_directories(varidel PUBLIC ${CMAKE_SOURCE_DIR})

include(cmake/book_tool.cmake)

# The tests' fixed-pitch drawing surface, shared by the unit tests, the
# benchmarks and the layout fuzzer.
add_library(varidel_test_surface STATIC ${CMAKE_SOURCE_DIR}/tests/unit/recording_surface.cpp)
target_link_libraries(varidel_test_surface PUBLIC varidel)

if(VARIDEL_FUZZ)
  include(cmake/fuzz.cmake)
  return()
endif()

varidel_find_gtest()
if(VARIDEL_HAVE_GTEST)
  include(GoogleTest)

  file(GLOB unit_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/unit/*.cpp)
  list(REMOVE_ITEM unit_sources ${CMAKE_SOURCE_DIR}/tests/unit/recording_surface.cpp)
  add_executable(unit_tests ${unit_sources})
  target_link_libraries(unit_tests PRIVATE varidel_test_surface GTest::gtest_main)
  target_compile_definitions(unit_tests PRIVATE
    VARIDEL_BOOK_TOOL="$<TARGET_FILE:varidel-book>"
    VARIDEL_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  add_dependencies(unit_tests varidel-book)
  # A fixed today: tests that read the clock twice cannot straddle midnight.
  gtest_discover_tests(unit_tests DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT VARIDEL_TODAY=2027-03-20)
endif()

find_package(benchmark QUIET)
file(GLOB bench_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/bench/*.cpp)
if(benchmark_FOUND AND bench_sources)
  # The calendar benchmarks measure against the tests' reference arithmetic
  # and time the tool's dates lines.
  add_executable(varidel_bench ${bench_sources} ${CMAKE_SOURCE_DIR}/tests/unit/reference_calendar.cpp
    ${CMAKE_SOURCE_DIR}/tools/dates_line.cpp)
  target_link_libraries(varidel_bench PRIVATE varidel_test_surface benchmark::benchmark)
  target_compile_definitions(varidel_bench PRIVATE VARIDEL_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
endif()
