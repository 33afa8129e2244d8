# GoogleTest is built from Debian's sources so that the same version serves
# the native and the MinGW builds.
set(GOOGLETEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest source tree")

function(use_googletest)
  if(TARGET gtest_main)
    return()
  endif()
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  add_subdirectory(${GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  # GoogleTest's own sources are not held to our warning flags.
  foreach(t gtest gtest_main gmock gmock_main)
    target_compile_options(${t} PRIVATE -Wno-error)
  endforeach()
endfunction()

# add_unit_test(NAME name SOURCES ... LIBS ... [LABELS ...] [NEEDS_DISPLAY])
# One test program per module; CTest runs it natively or, when cross-compiling,
# through CMAKE_CROSSCOMPILING_EMULATOR (Wine). NEEDS_DISPLAY runs it on a
# private Xvfb display of its own.
function(add_unit_test)
  cmake_parse_arguments(T "NEEDS_DISPLAY" "NAME" "SOURCES;LIBS;LABELS" ${ARGN})
  use_googletest()
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} gmock gtest_main)
  target_include_directories(${T_NAME} PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/tests)
  if(T_NEEDS_DISPLAY)
    add_test(NAME ${T_NAME}
      COMMAND /usr/bin/python3 ${CMAKE_SOURCE_DIR}/tests/run_with_xvfb.py
              ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:${T_NAME}> --gtest_brief=1)
  else()
    add_test(NAME ${T_NAME} COMMAND ${T_NAME} --gtest_brief=1)
  endif()
  set(labels unit)
  if(T_LABELS)
    set(labels ${T_LABELS})
  endif()
  set_tests_properties(${T_NAME} PROPERTIES LABELS "${labels}" TIMEOUT 300)
  if(T_NEEDS_DISPLAY)
    # Alone, so that no display-less Wine session runs beside it.
    set_tests_properties(${T_NAME} PROPERTIES RUN_SERIAL TRUE)
  endif()
endfunction()
