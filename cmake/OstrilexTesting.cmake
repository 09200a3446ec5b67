# Test set-up shared by both builds: GoogleTest from Debian's source package,
# the standard recordings, and, on the Windows side, Wine as the emulator in
# the project's own prefix with one persistent wineserver for the run.

include(CTest)
if(NOT BUILD_TESTING)
  return()
endif()

set(OSTRILEX_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources (Debian package googletest)")
if(NOT EXISTS ${OSTRILEX_GTEST_SOURCE}/CMakeLists.txt)
  message(FATAL_ERROR "GoogleTest sources not found in ${OSTRILEX_GTEST_SOURCE}: install the googletest package")
endif()
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
add_subdirectory(${OSTRILEX_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

set(OSTRILEX_TEST_TIMEOUT 300 CACHE STRING "Seconds each test executable may run")
set(OSTRILEX_RECORDINGS_DIR ${CMAKE_BINARY_DIR}/recordings)
set(OSTRILEX_BASE_MOVIE_CACHE ${CMAKE_BINARY_DIR}/base-movies)

if(OSTRILEX_WINDOWS)
  set(OSTRILEX_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
  configure_file(${PROJECT_SOURCE_DIR}/tools/wine-exec.in ${CMAKE_BINARY_DIR}/wine-exec @ONLY
                 FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                  WORLD_READ WORLD_EXECUTE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-exec)

  add_test(NAME wine_prefix_up COMMAND ${CMAKE_BINARY_DIR}/wine-exec --start-server)
  add_test(NAME wine_prefix_down COMMAND ${CMAKE_BINARY_DIR}/wine-exec --stop-server)
  set_tests_properties(wine_prefix_up PROPERTIES FIXTURES_SETUP wine_prefix TIMEOUT 180)
  set_tests_properties(wine_prefix_down PROPERTIES FIXTURES_CLEANUP wine_prefix TIMEOUT 60)

  # The recording builder runs on the build host; the native build makes it.
  set(OSTRILEX_RECORDING_TOOL ${PROJECT_SOURCE_DIR}/build/native/tools/make_recording
      CACHE FILEPATH "The native make_recording tool")
  set(_make_recordings ${OSTRILEX_RECORDING_TOOL})
  # Wine reaches the host's files through drive Z:.
  set(OSTRILEX_RECORDINGS_ENV "Z:${OSTRILEX_RECORDINGS_DIR}")
else()
  set(_make_recordings $<TARGET_FILE:make_recording>)
  set(OSTRILEX_RECORDINGS_ENV "${OSTRILEX_RECORDINGS_DIR}")
endif()

add_test(NAME make_recordings
         COMMAND ${_make_recordings} --standard-set ${OSTRILEX_RECORDINGS_DIR} --cache ${OSTRILEX_BASE_MOVIE_CACHE})
set_tests_properties(make_recordings PROPERTIES FIXTURES_SETUP recordings TIMEOUT 600)

# ostrilex_add_test(<name> SOURCES ... [LIBRARIES ...] [RECORDINGS])
# One test executable and one ctest entry; Windows entries run through Wine,
# one at a time, since processes of one prefix share named mutexes.
function(ostrilex_add_test name)
  cmake_parse_arguments(T "RECORDINGS" "" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBRARIES} gmock gtest_main)
  set(forward "")
  if(T_RECORDINGS)
    set(forward RECORDINGS)
  endif()
  ostrilex_add_test_run(${name} ${name} ${forward})
endfunction()

# ostrilex_add_test_run(<test name> <executable> [RECORDINGS] [ENVIRONMENT ...] [ARGS ...])
# A further ctest entry for an executable, for a run that needs its own
# process environment (a time zone, a locale).
function(ostrilex_add_test_run test_name executable)
  cmake_parse_arguments(T "RECORDINGS" "" "ENVIRONMENT;ARGS" ${ARGN})
  add_test(NAME ${test_name} COMMAND ${executable} --gtest_brief=1 ${T_ARGS})
  set(env TZ=UTC OSTRILEX_RECORDINGS=${OSTRILEX_RECORDINGS_ENV} OSTRILEX_BASE_MOVIES=${OSTRILEX_BASE_MOVIE_CACHE}
      ${T_ENVIRONMENT})
  set(fixtures "")
  if(T_RECORDINGS)
    list(APPEND fixtures recordings)
  endif()
  if(OSTRILEX_WINDOWS)
    list(APPEND fixtures wine_prefix)
    set_tests_properties(${test_name} PROPERTIES RESOURCE_LOCK wine_prefix)
  endif()
  set_tests_properties(${test_name} PROPERTIES
    TIMEOUT ${OSTRILEX_TEST_TIMEOUT}
    ENVIRONMENT "${env}"
    FIXTURES_REQUIRED "${fixtures}")
endfunction()
