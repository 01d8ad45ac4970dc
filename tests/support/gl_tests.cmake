# Integration tests: real systems against a real window and OpenGL context.
#
# When DISPLAY is unset, the fixture "Xvfb" starts a private X server (tests/support/xvfb.sh) before
# the first test that needs it and stops it after the last; the test executables find its display
# number through the file compiled into them (see tests/support/gl_display.hpp).
#
# Adding integration tests of your own:
#   1. Write GoogleTest files under tests/<your folder>/ (the unit-test GLOB does not look at
#      tests/graphics; pick a folder the GLOB in tests/CMakeLists.txt does not cover, or list
#      your files explicitly).
#   2. In tests/CMakeLists.txt (or your folder's CMakeLists.txt) call
#        velkor_add_gl_tests(velkor_<topic>_gl_tests path/to/a_test.cpp path/to/b_test.cpp)
#      It links the engine, GoogleTest and an entry point that fills the component catalogue and
#      points DISPLAY at the fixture, and registers every test with ctest (working directory: the
#      repository root) as requiring the fixture.
#   3. In a test, create the window through the real systems (or util::GetOrCreateWindow), draw,
#      glFinish() and read the back buffer with glReadPixels; check glGetError() at the end.
#      tests/graphics/gl_scene.hpp has a small harness for that.
set(VELKOR_XVFB_STATE ${CMAKE_BINARY_DIR}/xvfb)
set(VELKOR_TEST_SUPPORT ${CMAKE_CURRENT_LIST_DIR})

add_test(NAME xvfb_start COMMAND ${VELKOR_TEST_SUPPORT}/xvfb.sh start ${VELKOR_XVFB_STATE})
add_test(NAME xvfb_stop COMMAND ${VELKOR_TEST_SUPPORT}/xvfb.sh stop ${VELKOR_XVFB_STATE})
set_tests_properties(xvfb_start PROPERTIES FIXTURES_SETUP Xvfb)
set_tests_properties(xvfb_stop PROPERTIES FIXTURES_CLEANUP Xvfb)

function(velkor_add_gl_tests target)
  add_executable(${target} ${ARGN} ${VELKOR_TEST_SUPPORT}/gl_main.cpp)
  target_include_directories(${target} PRIVATE ${VELKOR_TEST_SUPPORT}/..)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  target_compile_definitions(${target} PRIVATE VELKOR_XVFB_DISPLAY_FILE="${VELKOR_XVFB_STATE}/display")
  target_link_libraries(${target} PRIVATE velkor_app GTest::gtest GTest::gmock)
  gtest_discover_tests(${target}
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
    DISCOVERY_TIMEOUT 60
    PROPERTIES FIXTURES_REQUIRED Xvfb LABELS gl)
endfunction()

# velkor_add_game_test(<name> <script> TIMEOUT <seconds> [FIXTURE] [SERIAL] [ARGS <more arguments>])
# A shell test of the real game binary (helpers: tests/support/game_window.sh), run from the
# repository root as `<script> <velkor binary> <output dir> [ARGS...]`; its screenshots and logs go to
# build/e2e/<script name without _test.sh>. FIXTURE: it runs on the fixture's X server (the script
# finds it through VELKOR_XVFB_STATE) and, since it types into the focused window and reads the
# whole screen, alone. Otherwise it starts an X server of its own; SERIAL keeps it alone all the same.
function(velkor_add_game_test name script)
  cmake_parse_arguments(GAME "FIXTURE;SERIAL" "TIMEOUT" "ARGS" ${ARGN})
  get_filename_component(stem ${script} NAME_WE)
  string(REGEX REPLACE "_test$" "" stem ${stem})
  add_test(NAME ${name}
    COMMAND ${script} $<TARGET_FILE:velkor> ${CMAKE_BINARY_DIR}/e2e/${stem} ${GAME_ARGS}
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR})
  set(environment VELKOR_XVFB_STATE=${VELKOR_XVFB_STATE})
  if(VELKOR_SANITIZE)
    # The game cannot pin Mesa's driver the way tests/support/gl_main.cpp does, so the driver's own
    # leak at exit shows under no module name, out of reach of tests/lsan.supp. Memory errors still
    # fail the test; leaks of our code are the unit tests' business.
    list(APPEND environment ASAN_OPTIONS=detect_leaks=0)
  endif()
  set_tests_properties(${name} PROPERTIES LABELS gl TIMEOUT ${GAME_TIMEOUT} ENVIRONMENT "${environment}")
  if(GAME_FIXTURE)
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED Xvfb RUN_SERIAL TRUE)
  elseif(GAME_SERIAL)
    set_tests_properties(${name} PROPERTIES RUN_SERIAL TRUE)
  endif()
endfunction()
