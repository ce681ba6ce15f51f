# Runs at install time. The menu entry must name the launcher by its full
# path (a desktop's menu does not search the player's PATH reliably), and
# that path is known only now: `cmake --install --prefix` may choose another
# prefix than the one configured. DESTDIR, when staging a package, is not
# part of the path the entry names.
#
# Expects QUORLANE_DESKTOP_TEMPLATE, QUORLANE_DESKTOP_STAGING,
# QUORLANE_LAUNCHER_RELATIVE (below the prefix) and QUORLANE_APPLICATIONS_DIR
# (below the prefix).

if(IS_ABSOLUTE "${QUORLANE_LAUNCHER_RELATIVE}")
  set(QUORLANE_DESKTOP_EXEC "${QUORLANE_LAUNCHER_RELATIVE}")
else()
  set(QUORLANE_DESKTOP_EXEC "${CMAKE_INSTALL_PREFIX}/${QUORLANE_LAUNCHER_RELATIVE}")
endif()
# In Exec a path with spaces or other reserved characters is quoted, and a
# literal % is doubled; the characters that would need escapes inside the
# quotes are refused rather than risked.
set(QUORLANE_DESKTOP_TRY_EXEC "${QUORLANE_DESKTOP_EXEC}")
if(QUORLANE_DESKTOP_EXEC MATCHES "[\"`$\\\n]")
  message(FATAL_ERROR "Quorlane's menu entry cannot name a launcher at \"${QUORLANE_DESKTOP_EXEC}\": "
                      "choose an installation prefix without quotes, backslashes or dollar signs")
endif()
string(REPLACE "%" "%%" QUORLANE_DESKTOP_EXEC "${QUORLANE_DESKTOP_EXEC}")
if(QUORLANE_DESKTOP_EXEC MATCHES "[ \t'><~|&;*?#()]")
  set(QUORLANE_DESKTOP_EXEC "\"${QUORLANE_DESKTOP_EXEC}\"")
endif()
# Installs into different places may run at once (a package is staged while
# the tests install elsewhere): each destination stages its own entry.
string(MD5 destination "$ENV{DESTDIR}|${CMAKE_INSTALL_PREFIX}")
get_filename_component(staging_folder "${QUORLANE_DESKTOP_STAGING}" DIRECTORY)
get_filename_component(staging_name "${QUORLANE_DESKTOP_STAGING}" NAME)
set(QUORLANE_DESKTOP_STAGING "${staging_folder}/${destination}/${staging_name}")
configure_file("${QUORLANE_DESKTOP_TEMPLATE}" "${QUORLANE_DESKTOP_STAGING}" @ONLY)

if(IS_ABSOLUTE "${QUORLANE_APPLICATIONS_DIR}")
  set(applications "${QUORLANE_APPLICATIONS_DIR}")
else()
  set(applications "${CMAKE_INSTALL_PREFIX}/${QUORLANE_APPLICATIONS_DIR}")
endif()
file(INSTALL DESTINATION "${applications}" TYPE FILE FILES "${QUORLANE_DESKTOP_STAGING}")
