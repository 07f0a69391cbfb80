# libFuzzer targets over everything that reads untrusted bytes: containers,
# the record walk and decoder, the encoder's round trip, the book source
# reader, the layout of any lesson text, and hand-edited settings. The fuzz
# preset builds the whole library with clang's fuzzer instrumentation;
# scripts/fuzz.sh runs them (`make fuzz`, and briefly `make test`).
foreach(fuzzer lesson_fuzzer codec_fuzzer layout_fuzzer settings_fuzzer)
  add_executable(${fuzzer} ${CMAKE_SOURCE_DIR}/tests/fuzz/${fuzzer}.cpp)
  target_link_libraries(${fuzzer} PRIVATE varidel_test_surface)
  target_link_options(${fuzzer} PRIVATE -fsanitize=fuzzer)
endforeach()
