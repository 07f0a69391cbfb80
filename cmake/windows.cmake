# Windows build: Varidel.exe and the Windows-side tests, which CTest runs
# through wine (the toolchain's CMAKE_CROSSCOMPILING_EMULATOR).
enable_language(RC)

# MinGW links its runtime statically and needs -municode for the wide entry
# points; MSVC finds wWinMain and wmain by itself.
set(link_static)
set(link_unicode)
if(MINGW)
  set(link_static -static)
  set(link_unicode -municode)
endif()

# The exe's own files, which the tests do not link.
list(FILTER VARIDEL_WIN32_SOURCES EXCLUDE REGEX "(winmain|terminate_handler)_win32\\.cpp$")
add_library(varidel STATIC ${VARIDEL_CORE_SOURCES} ${VARIDEL_WIN32_SOURCES})
target_include_directories(varidel PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_definitions(varidel PUBLIC UNICODE _UNICODE)
target_include_directories(varidel PUBLIC ${CMAKE_SOURCE_DIR}/resources)
target_link_libraries(varidel PUBLIC comctl32 comdlg32 gdi32 user32 advapi32 shell32 winspool wtsapi32
                      oleacc ole32 oleaut32 uuid)

add_executable(Varidel WIN32 app/winmain_win32.cpp resources/varidel.rc)
target_link_libraries(Varidel PRIVATE varidel)
target_link_options(Varidel PRIVATE ${link_unicode} ${link_static})
set_target_properties(Varidel PROPERTIES OUTPUT_NAME Varidel)
target_include_directories(Varidel PRIVATE ${CMAKE_SOURCE_DIR}/resources ${CMAKE_BINARY_DIR})
# The version for the resource script: the About box's version line (RC
# joins no strings), the text again under a name of its own (windres drops
# the quotes of VARIDEL_VERSION_TEXT from the command line), and the four
# numbers of the version information (the fourth is always 0).
set(version_label "#define VARIDEL_VERSION_LABEL \"Version ${VARIDEL_VERSION_TEXT}\"\n")
string(APPEND version_label "#define VARIDEL_VERSION_STRING \"${VARIDEL_VERSION_TEXT}\"\n")
string(APPEND version_label "#define VARIDEL_VERSION_NUMBERS "
       "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},0\n")
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/version_label.h CONTENT "${version_label}")
file(GLOB resource_files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/*.bmp ${CMAKE_SOURCE_DIR}/resources/*.ico
     ${CMAKE_SOURCE_DIR}/resources/*.manifest)
set_source_files_properties(resources/varidel.rc PROPERTIES
  OBJECT_DEPENDS "${CMAKE_BINARY_DIR}/version_label.h;${resource_files}")
if(MSVC)
  # The resource script embeds the program's own manifest.
  target_link_options(Varidel PRIVATE /MANIFEST:NO)
endif()
if(MINGW)
  # GCC's runtime as the exe needs it: a terminate handler without the
  # demangler, and no data that nothing refers to.
  target_sources(Varidel PRIVATE app/terminate_handler_win32.cpp)
  target_link_options(Varidel PRIVATE -Wl,--gc-sections)
  # The Win32 glue optimised for size: it waits on the system, not on its own
  # code. The portable core, whose speed the benchmarks measure, keeps -O2.
  set_source_files_properties(${VARIDEL_WIN32_SOURCES} app/winmain_win32.cpp PROPERTIES
    COMPILE_OPTIONS $<$<NOT:$<CONFIG:Debug>>:-Os>)
endif()
include(cmake/resources.cmake OPTIONAL)

# The exe that ships: the same optimised build without its debug information
# (`make run` keeps it, for the debugger). MSVC writes that information to a
# .pdb beside the exe, so its exe ships as it is linked.
if(CMAKE_STRIP AND NOT MSVC)
  set(release_exe ${CMAKE_BINARY_DIR}/release/Varidel.exe)
  add_custom_command(OUTPUT ${release_exe}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/release
    COMMAND ${CMAKE_STRIP} --strip-all -o ${release_exe} $<TARGET_FILE:Varidel>
    DEPENDS Varidel
    VERBATIM)
  add_custom_target(release_exe ALL DEPENDS ${release_exe})
  if(VARIDEL_TESTS)
    add_test(NAME release_exe_is_lean
      COMMAND ${CMAKE_COMMAND} -DRELEASE=${release_exe} -DLINKED=$<TARGET_FILE:Varidel> -DNM=${CMAKE_NM}
              -P ${CMAKE_SOURCE_DIR}/cmake/check_release_exe.cmake)
  endif()
else()
  set(release_exe $<TARGET_FILE:Varidel>)
  add_custom_target(release_exe)
  add_dependencies(release_exe Varidel)
endif()

# `make dist`: the download, Varidel-<version>-win64.zip under build/win64/dist,
# made from the exe that ships.
set(dist_dir ${CMAKE_BINARY_DIR}/dist)
add_custom_target(dist
  COMMAND ${CMAKE_COMMAND} -DRELEASE=${release_exe} -DSOURCE=${CMAKE_SOURCE_DIR} -DOUT=${dist_dir}
          -DVERSION=${VARIDEL_VERSION_TEXT} -P ${CMAKE_SOURCE_DIR}/cmake/dist.cmake
  VERBATIM)
add_dependencies(dist release_exe)
if(VARIDEL_TESTS)
  add_test(NAME make_dist
    COMMAND ${CMAKE_COMMAND} -DBUILD=${CMAKE_BINARY_DIR} -DZIP=${dist_dir}/Varidel-${VARIDEL_VERSION_TEXT}-win64.zip
            -DRELEASE=${release_exe} -P ${CMAKE_SOURCE_DIR}/cmake/check_dist.cmake)
endif()

varidel_find_gtest()

# The Windows-side and end-to-end tests, and the helpers only they use.
if(VARIDEL_HAVE_GTEST)
  # Tests of the Win32 glue inside one process (GDI surface, resources, registry).
  file(GLOB win_test_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win/*_test.cpp)
  if(win_test_sources)
    add_executable(win_tests ${win_test_sources})
    target_link_libraries(win_tests PRIVATE varidel GTest::gtest_main version)
    target_link_options(win_tests PRIVATE ${link_static})
    add_test(NAME win_tests COMMAND win_tests)
  endif()

  # The end-to-end driver starts Varidel.exe and works it as a person would.
  file(GLOB e2e_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*.cpp)
  add_executable(e2e_driver ${e2e_sources})
  target_link_libraries(e2e_driver PRIVATE varidel GTest::gtest ntdll)
  target_link_options(e2e_driver PRIVATE ${link_static} ${link_unicode})
  target_compile_definitions(e2e_driver PRIVATE UNICODE _UNICODE)
  add_dependencies(e2e_driver Varidel record_address)
  # It and the program compare "today": both run on a clock fixed to one date.
  add_test(NAME e2e COMMAND ${CMAKE_SOURCE_DIR}/scripts/noon-today.sh ${CMAKE_CROSSCOMPILING_EMULATOR}
           $<TARGET_FILE:e2e_driver> $<TARGET_FILE:Varidel> ${CMAKE_BINARY_DIR}/shots)

  # The day following the clock: on a wall clock the driver moves while the
  # program runs.
  add_test(NAME e2e_moving_clock
    COMMAND ${CMAKE_SOURCE_DIR}/scripts/moving-clock.sh ${CMAKE_BINARY_DIR}/clock/offset
            ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:e2e_driver> $<TARGET_FILE:Varidel> ${CMAKE_BINARY_DIR}/shots
            --gtest_filter=DayFollow.*)

  # The display-scale tests again at 150 and 200 percent. Wine takes the scale
  # from its prefix when its server starts, so these run in a prefix and on a
  # display of their own.
  if(CMAKE_CROSSCOMPILING)
    foreach(dpi 144 192)
      add_test(NAME e2e_at_${dpi}_dpi
        COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-at-dpi.sh ${dpi} $<TARGET_FILE:e2e_driver>
                $<TARGET_FILE:Varidel> ${CMAKE_BINARY_DIR}/shots --gtest_filter=DisplayScale.*)
    endforeach()
  endif()

  # The browser the end-to-end tests give the shell: it keeps the address.
  add_executable(record_address tests/e2e/recorder/record_address.cpp)
  target_link_options(record_address PRIVATE ${link_static} ${link_unicode})

  # Printing end to end, with a print queue of the tests' own and with no
  # printer at all, each in a wine prefix of its own (scripts/print-tests.sh).
  file(GLOB print_test_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/print/*.cpp)
  add_executable(print_driver ${print_test_sources} tests/e2e/app_driver.cpp tests/e2e/main.cpp)
  target_link_libraries(print_driver PRIVATE varidel GTest::gtest ntdll)
  target_link_options(print_driver PRIVATE ${link_static} ${link_unicode})
  add_dependencies(print_driver Varidel)
  foreach(mode queue no-printer)
    add_test(NAME print_${mode} COMMAND ${CMAKE_SOURCE_DIR}/scripts/print-tests.sh --${mode}
             $<TARGET_FILE:print_driver> $<TARGET_FILE:Varidel> ${CMAKE_BINARY_DIR}/print)
  endforeach()
endif()

add_executable(close_varidel scripts/close_varidel.cpp)
target_link_options(close_varidel PRIVATE ${link_static})

# Times day changes in running copies of Varidel.exe (see its header).
add_executable(time_day_change scripts/time_day_change.cpp tests/e2e/app_driver.cpp)
target_link_libraries(time_day_change PRIVATE varidel ntdll)
target_link_options(time_day_change PRIVATE ${link_static} ${link_unicode})
