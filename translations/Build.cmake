# The game's texts in other languages. Each quorlane_<language>.ts here is a
# Qt Linguist catalogue of the texts the windows mark for translation, and of
# the phrases the core marks for them (board/Phrase.h), with the English text
# as the source. The build compiles each to .qm (lrelease) into translations/
# beside the program, where the game finds them when it runs from its build;
# installed, they go to the data folder, where the installed game finds them
# by its own place. Qt's catalogues for its standard buttons come from Debian
# (qt6-translations-l10n).
#
#   cmake --build build --target update_translations
#
# reads the sources again (lupdate) and brings every catalogue up to date:
# new texts enter unfinished, vanished ones leave. Line numbers are not kept,
# so that an edit elsewhere in a file does not change the catalogues.

find_package(Qt6 REQUIRED COMPONENTS LinguistTools)
include(GNUInstallDirs)

file(GLOB catalogues CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/translations/quorlane_*.ts)
set(QUORLANE_CATALOGUE_BUILD_DIR ${PROJECT_BINARY_DIR}/translations)
set_source_files_properties(${catalogues} PROPERTIES OUTPUT_LOCATION ${QUORLANE_CATALOGUE_BUILD_DIR})
qt_add_translations(quorlane
  TS_FILES ${catalogues}
  SOURCES ${ui_sources} ${core_sources} ${PROJECT_SOURCE_DIR}/game/ui/Program.cpp
  INCLUDE_DIRECTORIES ${PROJECT_SOURCE_DIR}
  LUPDATE_OPTIONS -locations none -no-obsolete
  QM_FILES_OUTPUT_VARIABLE catalogue_files)

set(QUORLANE_CATALOGUE_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/quorlane/translations)
install(FILES ${catalogue_files} DESTINATION ${QUORLANE_CATALOGUE_INSTALL_DIR})
# The program looks for them this way from its own folder, so an installed
# tree can be moved as a whole.
if(IS_ABSOLUTE "${QUORLANE_CATALOGUE_INSTALL_DIR}" OR IS_ABSOLUTE "${CMAKE_INSTALL_BINDIR}")
  set(catalogues_from_bindir ${CMAKE_INSTALL_FULL_DATADIR}/quorlane/translations)
else()
  file(RELATIVE_PATH catalogues_from_bindir /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${QUORLANE_CATALOGUE_INSTALL_DIR})
endif()
set_property(SOURCE ui/Translations.cpp APPEND PROPERTY COMPILE_DEFINITIONS
             QUORLANE_CATALOGUES_FROM_BINDIR="${catalogues_from_bindir}")
