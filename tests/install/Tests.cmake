# The installation test installs the build it belongs to into a temporary
# prefix and runs what it installed, with the desktop's own validators.
find_program(QUORLANE_DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(QUORLANE_APPSTREAMCLI appstreamcli)
if(NOT QUORLANE_DESKTOP_FILE_VALIDATE)
  set(QUORLANE_DESKTOP_FILE_VALIDATE "")
endif()
if(NOT QUORLANE_APPSTREAMCLI)
  set(QUORLANE_APPSTREAMCLI "")
endif()
# The package is built with CPack and read back with dpkg-deb.
find_program(QUORLANE_DPKG_DEB dpkg-deb REQUIRED)
target_compile_definitions(test_install PRIVATE
  QUORLANE_CPACK_COMMAND="${CMAKE_CPACK_COMMAND}"
  QUORLANE_DPKG_DEB="${QUORLANE_DPKG_DEB}"
  QUORLANE_VERSION="${PROJECT_VERSION}"
  QUORLANE_INSTALL_BINDIR="${CMAKE_INSTALL_BINDIR}"
  QUORLANE_SCREENSHOTS_TOOL="$<TARGET_FILE:quorlane-screenshots>")
target_compile_definitions(test_install PRIVATE
  QUORLANE_BUILD_DIR="${PROJECT_BINARY_DIR}"
  QUORLANE_CMAKE_COMMAND="${CMAKE_COMMAND}"
  QUORLANE_DESKTOP_FILE_VALIDATE="${QUORLANE_DESKTOP_FILE_VALIDATE}"
  QUORLANE_APPSTREAMCLI="${QUORLANE_APPSTREAMCLI}")
# Installing needs every installed file built first.
add_dependencies(test_install quorlane quorlane-artwork quorlane-documents quorlane-screenshots)
