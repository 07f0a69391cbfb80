# libFuzzer targets over everything that reads untrusted bytes: containers,
# the record walk and decoder, the encoder's round trip, the book source
# reader, the layout of any lesson text, and hand-edited settings.
# Built by the `fuzz` preset (clang with -fsanitize=fuzzer,address); run by
# scripts/fuzz.sh (`make fuzz`, and briefly by `make test`).
option(VARIDEL_FUZZ "Build the libFuzzer targets (needs clang)" OFF)
if(NOT VARIDEL_FUZZ)
  return()
endif()
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "The fuzz targets need clang (the fuzz preset selects it)")
endif()

set(fuzz_sources)
foreach(name lesson_codec lesson_container lesson_loader lesson_paragraphs lesson_platform_posix
             book_source book_compiler)
  list(APPEND fuzz_sources ${CMAKE_SOURCE_DIR}/lessons/${name}.cpp)
endforeach()
add_library(varidel_fuzz_core STATIC ${fuzz_sources})
target_include_directories(varidel_fuzz_core PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(varidel_fuzz_core PUBLIC -fsanitize=fuzzer-no-link,address -fno-omit-frame-pointer)

foreach(fuzzer lesson_fuzzer codec_fuzzer)
  add_executable(${fuzzer} ${CMAKE_SOURCE_DIR}/tests/fuzz/${fuzzer}.cpp)
  target_link_libraries(${fuzzer} PRIVATE varidel_fuzz_core)
  target_link_options(${fuzzer} PRIVATE -fsanitize=fuzzer,address)
endforeach()

# The reading pane's layout and painting over arbitrary lesson texts.
add_executable(layout_fuzzer ${CMAKE_SOURCE_DIR}/tests/fuzz/layout_fuzzer.cpp
               ${CMAKE_SOURCE_DIR}/tests/unit/recording_surface.cpp
               ${CMAKE_SOURCE_DIR}/view/layout.cpp ${CMAKE_SOURCE_DIR}/view/measure.cpp
               ${CMAKE_SOURCE_DIR}/view/paint.cpp ${CMAKE_SOURCE_DIR}/view/pane.cpp
               ${CMAKE_SOURCE_DIR}/view/view_fonts.cpp ${CMAKE_SOURCE_DIR}/app/app_state.cpp)
target_include_directories(layout_fuzzer PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_options(layout_fuzzer PRIVATE -fsanitize=fuzzer,address,undefined -fno-omit-frame-pointer)
target_link_options(layout_fuzzer PRIVATE -fsanitize=fuzzer,address,undefined)

# Hand-edited settings through the loader and back through the save.
add_executable(settings_fuzzer ${CMAKE_SOURCE_DIR}/tests/fuzz/settings_fuzzer.cpp
               ${CMAKE_SOURCE_DIR}/app/settings.cpp ${CMAKE_SOURCE_DIR}/app/settings_store_posix.cpp
               ${CMAKE_SOURCE_DIR}/app/app_state.cpp ${CMAKE_SOURCE_DIR}/lessons/lesson_key.cpp
               ${CMAKE_SOURCE_DIR}/calendar/hebrew_calendar.cpp
               ${CMAKE_SOURCE_DIR}/calendar/date_caption.cpp
               ${CMAKE_SOURCE_DIR}/calendar/today_posix.cpp)
target_include_directories(settings_fuzzer PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_options(settings_fuzzer PRIVATE -fsanitize=fuzzer,address,undefined -fno-omit-frame-pointer)
target_link_options(settings_fuzzer PRIVATE -fsanitize=fuzzer,address,undefined)
