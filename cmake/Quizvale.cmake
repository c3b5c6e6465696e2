# SPDX-License-Identifier: MIT
# Helpers shared by every folder of the project.

# Adds each listed folder that has a CMakeLists.txt.
function(qv_add_subdirectories)
  foreach(dir IN LISTS ARGN)
    if(EXISTS "${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt")
      add_subdirectory(${dir})
    endif()
  endforeach()
endfunction()

# Adds every direct child folder of PARENT that has a CMakeLists.txt, in name
# order (tests/, bench/ and fuzz/ hold one folder per library).
function(qv_add_child_directories parent)
  file(GLOB children LIST_DIRECTORIES true "${CMAKE_CURRENT_SOURCE_DIR}/${parent}/*")
  list(SORT children)
  foreach(child IN LISTS children)
    if(IS_DIRECTORY "${child}" AND EXISTS "${child}/CMakeLists.txt")
      add_subdirectory("${child}")
    endif()
  endforeach()
endfunction()

# Warnings for our own targets.
function(qv_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(QV_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# qv_library(NAME SOURCES ... [DEPS ...]): a static library of the project.
function(qv_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS;PRIVATE_DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC "${PROJECT_SOURCE_DIR}")
  target_link_libraries(${name} PUBLIC ${ARG_DEPS} PRIVATE ${ARG_PRIVATE_DEPS})
  qv_warnings(${name})
endfunction()

# The environment every test runs in: no display, no sound card, Qt offscreen.
set(QV_TEST_ENV
  "SDL_VIDEODRIVER=dummy"
  "SDL_AUDIODRIVER=dummy"
  "SDL_RENDER_DRIVER=software"
  "QT_QPA_PLATFORM=offscreen"
  "QV_SOURCE_DIR=${PROJECT_SOURCE_DIR}"
)

# qv_test(NAME SOURCES ... DEPS ... [LABELS ...]): one GoogleTest executable,
# registered with CTest as one test.
function(qv_test name)
  cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;DEPS;LABELS" ${ARGN})
  find_package(GTest REQUIRED)
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_include_directories(${name} PRIVATE "${PROJECT_SOURCE_DIR}")
  qv_warnings(${name})
  add_test(NAME ${name} COMMAND ${name})
  if(NOT ARG_LABELS)
    set(ARG_LABELS unit)
  endif()
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 300)
  endif()
  set_tests_properties(${name} PROPERTIES
    LABELS "${ARG_LABELS}"
    TIMEOUT ${ARG_TIMEOUT}
    ENVIRONMENT "${QV_TEST_ENV}")
endfunction()

# qv_fuzzer(NAME SOURCES ... DEPS ... [CORPUS dir]): a libFuzzer target. CTest
# runs it for QV_FUZZ_SECONDS seconds over its seed corpus.
set(QV_FUZZ_SECONDS 20 CACHE STRING "Seconds each fuzz target runs under CTest")
function(qv_fuzzer name)
  cmake_parse_arguments(ARG "" "CORPUS" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS})
  target_include_directories(${name} PRIVATE "${PROJECT_SOURCE_DIR}")
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  qv_warnings(${name})
  set(workdir "${CMAKE_BINARY_DIR}/fuzz-corpus/${name}")
  # Crashes, slow units and the like land in the build folder, never in the
  # folder the run was started from (the source tree, for a hand run).
  set(artifacts "${CMAKE_BINARY_DIR}/fuzz-artifacts/${name}")
  set(seeds "")
  if(ARG_CORPUS)
    set(seeds "${ARG_CORPUS}")
  endif()
  add_test(NAME ${name}
    COMMAND ${CMAKE_COMMAND} -E env ${QV_TEST_ENV}
            sh -c "mkdir -p '${workdir}' '${artifacts}' && exec \"$0\" -artifact_prefix='${artifacts}/' -max_total_time=${QV_FUZZ_SECONDS} -timeout=10 -rss_limit_mb=2048 -print_final_stats=0 '${workdir}' ${seeds}"
            $<TARGET_FILE:${name}>)
  set_tests_properties(${name} PROPERTIES LABELS fuzz TIMEOUT 600)
endfunction()
