# The Windows installer, built with every build: build/package/HueSnap-<version>-setup.exe
# from resources/package/HueSnap.nsi. It ships the same stripped HueSnap.exe as
# the portable zip. Without makensis (tools/setup.sh installs Debian's nsis)
# the build goes on without it.
find_program(HUESNAP_MAKENSIS makensis)
if(NOT HUESNAP_MAKENSIS)
  message(STATUS "makensis not found: the installer is not built (tools/setup.sh installs it)")
  return()
endif()

set(HUESNAP_SETUP_NAME HueSnap-${PROJECT_VERSION}-setup.exe)
set(HUESNAP_SETUP_EXE ${CMAKE_BINARY_DIR}/package/${HUESNAP_SETUP_NAME})
set(_script ${PROJECT_SOURCE_DIR}/resources/package/HueSnap.nsi)
set(_stage ${CMAKE_BINARY_DIR}/package/installer)
set(_icon ${PROJECT_SOURCE_DIR}/resources/pictures/HueSnap.ico)

# makensis writes its output in place: a failed run must not leave a setup
# program that a later build takes as up to date, so it writes a temporary name.
add_custom_command(OUTPUT ${HUESNAP_SETUP_EXE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${_stage}
  COMMAND ${CMAKE_STRIP} -o ${_stage}/HueSnap.exe $<TARGET_FILE:HueSnap>
  COMMAND ${HUESNAP_MAKENSIS} -V2 -WX
    -DVERSION=${PROJECT_VERSION} -DPROGRAM=${_stage}/HueSnap.exe -DICON=${_icon}
    -DOUTFILE=${HUESNAP_SETUP_EXE}.part ${_script}
  COMMAND ${CMAKE_COMMAND} -E rename ${HUESNAP_SETUP_EXE}.part ${HUESNAP_SETUP_EXE}
  DEPENDS HueSnap ${_script} ${_icon}
  COMMENT "Building the installer ${HUESNAP_SETUP_NAME}"
  VERBATIM)
add_custom_target(installer ALL DEPENDS ${HUESNAP_SETUP_EXE})
