# Third-party code is never part of the repository: libjpeg is cross-built by
# tools/setup.sh from Debian's libjpeg-turbo source package (libjpeg 6b API);
# GoogleTest comes from Debian's googletest sources. On Windows (MSYS2) the
# same names come from the MinGW packages (see README).

if(HUESNAP_DEPS_PREFIX)
  list(PREPEND CMAKE_PREFIX_PATH ${HUESNAP_DEPS_PREFIX})
endif()

find_path(JPEG_INCLUDE_DIR jpeglib.h HINTS ${HUESNAP_DEPS_PREFIX}/include)
find_library(JPEG_LIBRARY NAMES libjpeg.a jpeg HINTS ${HUESNAP_DEPS_PREFIX}/lib)
if(NOT JPEG_INCLUDE_DIR OR NOT JPEG_LIBRARY)
  message(FATAL_ERROR "libjpeg for the target was not found. Run tools/setup.sh, then configure with "
    "-DHUESNAP_DEPS_PREFIX=$(tools/setup.sh --print).")
endif()
add_library(third_party_jpeg STATIC IMPORTED GLOBAL)
set_target_properties(third_party_jpeg PROPERTIES
  IMPORTED_LOCATION ${JPEG_LIBRARY}
  INTERFACE_INCLUDE_DIRECTORIES ${JPEG_INCLUDE_DIR})

if(HUESNAP_BUILD_TESTS)
  set(HUESNAP_GTEST_SOURCE "/usr/src/googletest" CACHE PATH "GoogleTest sources to build for the target")
  if(EXISTS ${HUESNAP_GTEST_SOURCE}/CMakeLists.txt)
    set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    add_subdirectory(${HUESNAP_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/third_party/googletest EXCLUDE_FROM_ALL)
  else()
    find_package(GTest REQUIRED)
    add_library(gtest ALIAS GTest::gtest)
    add_library(gtest_main ALIAS GTest::gtest_main)
  endif()
endif()
