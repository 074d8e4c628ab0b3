# Helpers that give every project target the same platform baseline and the
# same strictness. Third-party targets never go through these.

# Windows XP (5.1) is the oldest system we run on: newer APIs are looked up at
# run time, so the headers must not offer them by accident.
set(HUESNAP_WIN32_DEFINES UNICODE _UNICODE WINVER=0x0501 _WIN32_WINNT=0x0501 NOMINMAX WIN32_LEAN_AND_MEAN)

function(huesnap_strict target)
  get_target_property(_type ${target} TYPE)
  if(_type STREQUAL "INTERFACE_LIBRARY")
    target_compile_definitions(${target} INTERFACE ${HUESNAP_WIN32_DEFINES})
    return()
  endif()
  target_compile_definitions(${target} PUBLIC ${HUESNAP_WIN32_DEFINES})
  target_compile_options(${target} PRIVATE
    $<$<COMPILE_LANGUAGE:CXX>:-Wall -Wextra -Werror -Wno-unused-parameter -fno-exceptions>
    $<$<COMPILE_LANGUAGE:C>:-Wall -Wextra -Werror>)
endfunction()

# Static linking: the program and the tests need no MinGW DLLs on a user's machine.
function(huesnap_static_exe target)
  target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
endfunction()

# huesnap_library(<name> [SOURCES ...] [DEPENDS ...] [SYSTEM_LIBS ...])
# One static library per source folder; the folder's parent is the include root,
# so code includes "foundation/str/StrBuffer.h" and the like.
function(huesnap_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS;SYSTEM_LIBS" ${ARGN})
  if(ARG_SOURCES)
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_DEPENDS} ${ARG_SYSTEM_LIBS})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_DEPENDS} ${ARG_SYSTEM_LIBS})
  endif()
  huesnap_strict(${name})
endfunction()

# huesnap_test(<name> LABEL unit|program SOURCES ... LIBS ... [RESOURCES ...])
# One GoogleTest program per area, run by CTest through the Wine wrapper.
function(huesnap_test name)
  cmake_parse_arguments(ARG "" "LABEL;TIMEOUT" "SOURCES;LIBS;RESOURCES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES} ${ARG_RESOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} gtest gtest_main)
  target_compile_definitions(${name} PRIVATE ${HUESNAP_WIN32_DEFINES})
  target_compile_options(${name} PRIVATE $<$<COMPILE_LANGUAGE:CXX>:-Wall -Wextra -Werror -Wno-unused-parameter>)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests)
  huesnap_static_exe(${name})
  if(NOT ARG_LABEL)
    set(ARG_LABEL unit)
  endif()
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 300)
  endif()
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES LABELS ${ARG_LABEL} TIMEOUT ${ARG_TIMEOUT})
endfunction()

# huesnap_benchmark(<name> SOURCES ... LIBS ...): built, never run by CTest.
function(huesnap_benchmark name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  target_compile_definitions(${name} PRIVATE ${HUESNAP_WIN32_DEFINES})
  target_compile_options(${name} PRIVATE -Wall -Wextra -Werror -Wno-unused-parameter)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests)
  huesnap_static_exe(${name})
endfunction()

# huesnap_folder_library(<name> DEPENDS ... [SYSTEM_LIBS ...])
# The library of one source folder: every .cpp below it (each class is a
# header/source pair, so adding a class needs no CMake edit).
function(huesnap_folder_library name)
  cmake_parse_arguments(ARG "" "" "DEPENDS;SYSTEM_LIBS" ${ARGN})
  file(GLOB_RECURSE _sources CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.c)
  huesnap_library(${name} SOURCES ${_sources} DEPENDS ${ARG_DEPENDS} SYSTEM_LIBS ${ARG_SYSTEM_LIBS})
endfunction()

# huesnap_folder_tests(<name> LIBS ... [LABEL unit|program] [RESOURCES ...])
# One test program from every .cpp of the current tests folder.
function(huesnap_folder_tests name)
  cmake_parse_arguments(ARG "" "LABEL;TIMEOUT" "LIBS;RESOURCES" ${ARGN})
  file(GLOB _sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT _sources)
    return()
  endif()
  huesnap_test(${name} LABEL ${ARG_LABEL} TIMEOUT ${ARG_TIMEOUT}
    SOURCES ${_sources} LIBS ${ARG_LIBS} RESOURCES ${ARG_RESOURCES})
endfunction()
