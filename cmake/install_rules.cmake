# The install rules of everything a Linux user gets, from the one list of install_list.cmake,
# laid out as TEMPESTINA_LAYOUT says: "folder" for the per-user program folder, "system" for
# the Debian package (GNUInstallDirs).
include(GNUInstallDirs)
include(${CMAKE_CURRENT_LIST_DIR}/install_list.cmake)

# The package's name, and the freedesktop id of its menu entry, AppStream file and icon: the
# reversed domain of the maintainers' address, its hyphens made underscores as rDNS ids need.
set(T10_PACKAGE tempestina10)
set(T10_APP_ID example.c_seed_10e98e39.Tempestina10)
set(T10_SCREENSHOT_URL
    "https://c-seed-10e98e39.example/maintainers/tempestina10/raw/main/docs/frmTelefono.png")
set(T10_RELEASE_DATE 2026-12-09)

if(TEMPESTINA_LAYOUT STREQUAL "folder")
  set(T10_BINDIR .)
  set(T10_MODULEDIR .)
  set(T10_DATADIR .)
else()
  # Debian's names are lowercase; the windows keep their titles.
  set_target_properties(Tempestina10 PROPERTIES OUTPUT_NAME ${T10_PACKAGE})
  set_target_properties(Pontilo PROPERTIES OUTPUT_NAME pontilo)
  set(T10_BINDIR ${CMAKE_INSTALL_BINDIR})
  set(T10_MODULEDIR ${CMAKE_INSTALL_LIBDIR}/${T10_PACKAGE})
  set(T10_DATADIR ${CMAKE_INSTALL_DATADIR}/${T10_PACKAGE})
  # The programs find the rest from their own place, so the tree works wherever it lies.
  file(RELATIVE_PATH _modules_from_bin ${CMAKE_INSTALL_FULL_BINDIR}
       ${CMAKE_INSTALL_PREFIX}/${T10_MODULEDIR})
  file(RELATIVE_PATH _data_from_bin ${CMAKE_INSTALL_FULL_BINDIR}
       ${CMAKE_INSTALL_PREFIX}/${T10_DATADIR})
  set(_system_layout T10_SYSTEM_LAYOUT T10_APP_ID="${T10_APP_ID}"
      T10_MODULES_FROM_PROGRAM="${_modules_from_bin}" T10_SHIPPED_FROM_PROGRAM="${_data_from_bin}"
      T10_PROGRAM_NAME="${T10_PACKAGE}")
  target_compile_definitions(t10gui PRIVATE ${_system_layout})
  target_compile_definitions(pontilo_window PRIVATE ${_system_layout})
endif()

install(TARGETS ${T10_INSTALL_PROGRAMS} RUNTIME DESTINATION ${T10_BINDIR})
install(TARGETS ${T10_INSTALL_MODULES} LIBRARY DESTINATION ${T10_MODULEDIR})
list(TRANSFORM T10_INSTALL_SOUNDS PREPEND ${CMAKE_SOURCE_DIR}/resources/sounds/ OUTPUT_VARIABLE _sounds)
install(FILES ${_sounds} ${CMAKE_SOURCE_DIR}/resources/${T10_INSTALL_STARTING_LIST}
        DESTINATION ${T10_DATADIR})

if(TEMPESTINA_LAYOUT STREQUAL "folder")
  install(FILES ${CMAKE_SOURCE_DIR}/resources/${T10_INSTALL_FOLDER_ICON} DESTINATION ${T10_DATADIR})
  return()
endif()

# The freedesktop side of the package: menu entry, AppStream file, themed icons, manual pages.
set(T10_PROGRAM_NAME ${T10_PACKAGE})
set(T10_INSTALLER_NAME pontilo)
string(TOUPPER ${T10_PROGRAM_NAME} T10_PROGRAM_NAME_UPPER)
string(TOUPPER ${T10_INSTALLER_NAME} T10_INSTALLER_NAME_UPPER)
set(T10_FULL_DATADIR ${CMAKE_INSTALL_PREFIX}/${T10_DATADIR})
set(_linux ${CMAKE_SOURCE_DIR}/deploy/linux)
set(_out ${CMAKE_BINARY_DIR}/linux)
configure_file(${_linux}/menu_entry.desktop.in ${_out}/${T10_APP_ID}.desktop @ONLY)
configure_file(${_linux}/metainfo.xml.in ${_out}/${T10_APP_ID}.metainfo.xml @ONLY)
configure_file(${_linux}/tempestina10.1.in ${_out}/${T10_PROGRAM_NAME}.1 @ONLY)
configure_file(${_linux}/pontilo.1.in ${_out}/${T10_INSTALLER_NAME}.1 @ONLY)
install(FILES ${_out}/${T10_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${_out}/${T10_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${_out}/${T10_PROGRAM_NAME}.1 ${_out}/${T10_INSTALLER_NAME}.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
set(_icons ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${CMAKE_SOURCE_DIR}/resources/hicolor/48.png DESTINATION ${_icons}/48x48/apps
        RENAME ${T10_APP_ID}.png)
install(FILES ${CMAKE_SOURCE_DIR}/resources/${T10_INSTALL_FOLDER_ICON}
        DESTINATION ${_icons}/128x128/apps RENAME ${T10_APP_ID}.png)
install(FILES ${CMAKE_SOURCE_DIR}/resources/hicolor/256.png DESTINATION ${_icons}/256x256/apps
        RENAME ${T10_APP_ID}.png)
