# The manual page, the package's documents and the Debian package itself.
#
# The package is made by CPack's DEB generator from the same install rules
# that `cmake --install` follows, so the packaged tree cannot drift from the
# installed one; dpkg-shlibdeps works out the libraries' packages from the
# binary. `make deb` builds it with Debian's hardening flags.

set(package_dir ${PROJECT_SOURCE_DIR}/about/package)
set(man_dir ${PROJECT_BINARY_DIR}/man)
file(MAKE_DIRECTORY ${man_dir})
find_program(QUORLANE_GZIP gzip REQUIRED)

# Compressed without a name or time stamp, so a rebuild gives the same bytes.
function(quorlane_gzip source output)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${QUORLANE_GZIP} -9 -n -c ${source} > ${output}
    DEPENDS ${source}
    COMMENT "Compressing ${output}")
endfunction()
quorlane_gzip(${package_dir}/quorlane.6 ${man_dir}/quorlane.6.gz)
quorlane_gzip(${package_dir}/changelog ${man_dir}/changelog.gz)
add_custom_target(quorlane-documents ALL DEPENDS ${man_dir}/quorlane.6.gz ${man_dir}/changelog.gz)
# The launcher takes the same options and shares the page.
file(CREATE_LINK quorlane.6.gz ${man_dir}/quorlane-launcher.6.gz SYMBOLIC)

set(QUORLANE_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/quorlane)
install(FILES ${man_dir}/quorlane.6.gz ${man_dir}/quorlane-launcher.6.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${package_dir}/copyright ${man_dir}/changelog.gz DESTINATION ${QUORLANE_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorlane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Quorlane developers")
set(CPACK_PACKAGE_CONTACT "The Quorlane developers <developers@quorlane.example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_PREFIX /usr)
# The menu entry names the launcher by its installed path: install with the
# real prefix into a staging DESTDIR, not into a prefix inside the staging.
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own catalogues translate the standard buttons (Yes, No) and the names
# of keys; without them those stay English and the game's texts do not.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://quorlane.example.org/)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "mine-clearing puzzle of shaped, linked and patterned areas")
# The summary is the control file's first line; this is the text below it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Quorlane is a single-player mine-clearing puzzle. Its minefield, up to
147 by 98 squares, is grouped into areas: single squares, shaped cells
of joined squares, squares linked together wherever they lie, and holes.
Shapes grow at random or follow a tessellation from the pattern library.
.
Every finished game goes into a score table filtered by player and by how
closely games match, and any listed game can be challenged.")
include(CPack)
