# SPDX-License-Identifier: GPL-3.0-or-later
# The install layout of a Debian game: the game in games/, the designer tools in bin/, content and
# manual in share/games/keyslinger/, desktop entry, icons, AppStream metadata and manual pages.
include(GNUInstallDirs)

set(KEYSLINGER_ID io.github.keyslinger.Keyslinger)
set(KEYSLINGER_INSTALL_GAMESDIR games CACHE STRING "Folder of the game executable, under the prefix")
set(KEYSLINGER_INSTALL_GAMEDATADIR ${CMAKE_INSTALL_DATADIR}/games/keyslinger CACHE STRING
    "Folder of the game's content and manual, under the prefix")

# The game finds its installed content relative to itself, so a moved install works; the
# configured absolute folder is its second guess. Only game_paths.cpp is compiled with these.
set(_games_full ${CMAKE_INSTALL_PREFIX}/${KEYSLINGER_INSTALL_GAMESDIR})
set(_data_full ${CMAKE_INSTALL_PREFIX}/${KEYSLINGER_INSTALL_GAMEDATADIR})
file(RELATIVE_PATH KEYSLINGER_DATA_FROM_EXECUTABLE ${_games_full} ${_data_full})
set_source_files_properties(${CMAKE_SOURCE_DIR}/src/platform/game_paths.cpp PROPERTIES COMPILE_DEFINITIONS
  "KEYSLINGER_DATA_FROM_EXECUTABLE=\"${KEYSLINGER_DATA_FROM_EXECUTABLE}\";KEYSLINGER_INSTALLED_DATA_DIR=\"${_data_full}\"")

install(TARGETS keyslinger RUNTIME DESTINATION ${KEYSLINGER_INSTALL_GAMESDIR})
# The designer tools are utilities rather than games: bin/, with their pages in section 1.
foreach(tool keyslinger-check keyslinger-sim)
  if(TARGET ${tool})
    install(TARGETS ${tool} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

install(DIRECTORY ${CMAKE_SOURCE_DIR}/content/ DESTINATION ${KEYSLINGER_INSTALL_GAMEDATADIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs/ DESTINATION ${KEYSLINGER_INSTALL_GAMEDATADIR}/docs)

set(_dist ${CMAKE_SOURCE_DIR}/dist)
install(FILES ${_dist}/${KEYSLINGER_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${_dist}/${KEYSLINGER_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${_dist}/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# Manual pages and the package's changelog, gzip-compressed without names or times inside.
set(_gz_dir ${CMAKE_BINARY_DIR}/dist)
set(_gz_files)
foreach(page keyslinger.6 keyslinger-check.1 keyslinger-sim.1)
  string(REGEX REPLACE ".*\\.([0-9])$" "\\1" section ${page})
  add_custom_command(OUTPUT ${_gz_dir}/${page}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${_gz_dir}
    COMMAND gzip -9 -n -c ${_dist}/man/${page} > ${_gz_dir}/${page}.gz
    DEPENDS ${_dist}/man/${page} VERBATIM)
  list(APPEND _gz_files ${_gz_dir}/${page}.gz)
  install(FILES ${_gz_dir}/${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section})
endforeach()
add_custom_command(OUTPUT ${_gz_dir}/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${_gz_dir}
  COMMAND gzip -9 -n -c ${_dist}/changelog > ${_gz_dir}/changelog.gz
  DEPENDS ${_dist}/changelog VERBATIM)
add_custom_target(keyslinger_dist_files ALL DEPENDS ${_gz_files} ${_gz_dir}/changelog.gz)
# Debian looks for these under the package name, whatever the project is called.
install(FILES ${_gz_dir}/changelog.gz ${_dist}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/keyslinger)

# The desktop entry and the metadata must validate wherever the validators are installed.
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(APPSTREAMCLI appstreamcli)
if(DESKTOP_FILE_VALIDATE)
  add_test(NAME desktop_entry_valid COMMAND ${DESKTOP_FILE_VALIDATE} ${_dist}/${KEYSLINGER_ID}.desktop)
  set_tests_properties(desktop_entry_valid PROPERTIES LABELS dist)
endif()
if(APPSTREAMCLI)
  add_test(NAME metainfo_valid COMMAND ${APPSTREAMCLI} validate --no-net --pedantic ${_dist}/${KEYSLINGER_ID}.metainfo.xml)
  set_tests_properties(metainfo_valid PROPERTIES LABELS dist)
endif()
