# `cmake --build <dir> --target package` makes HueSnap-<version>-win64.zip with
# the stripped program and a short readme: the portable form, which needs no
# setup. The installer (cmake/Installer.cmake) is built with everything else.
install(TARGETS HueSnap RUNTIME DESTINATION .)
# Windows line ends, so every Notepad shows it as lines; the version filled in.
configure_file(${PROJECT_SOURCE_DIR}/resources/package/ReadMe.txt ${CMAKE_BINARY_DIR}/package/portable/ReadMe.txt
  @ONLY NEWLINE_STYLE CRLF)
install(FILES ${CMAKE_BINARY_DIR}/package/portable/ReadMe.txt DESTINATION .)
set(CPACK_GENERATOR ZIP)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_NAME HueSnap)
set(CPACK_PACKAGE_VENDOR Tuvo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_SYSTEM_NAME win64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)

include(${CMAKE_CURRENT_LIST_DIR}/Installer.cmake)
