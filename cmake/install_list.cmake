# What an install brings, by role: the one list that the install rules (install_rules.cmake)
# and ./tempestina's per-user install and uninstall are made from.
# Run as a script (cmake -P), it prints the files a "folder" install lays out, one a line.

set(T10_INSTALL_PROGRAMS Tempestina10 Pontilo)
# Loaded by the program on first use, from beside it or from its library folder.
set(T10_INSTALL_MODULES t10sound t10print)
# resources/sounds/
set(T10_INSTALL_SOUNDS tel.wav appu.wav imp.wav calend.wav diffusori.wav)
# resources/: copied to each person's files only where they have none.
set(T10_INSTALL_STARTING_LIST lista.txt)
# resources/: the picture of the per-user menu entries, which name it by its path.
set(T10_INSTALL_FOLDER_ICON Tempestina10.png)

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  set(_files ${T10_INSTALL_PROGRAMS})
  foreach(_module IN LISTS T10_INSTALL_MODULES)
    list(APPEND _files lib${_module}.so)
  endforeach()
  list(APPEND _files ${T10_INSTALL_SOUNDS} ${T10_INSTALL_STARTING_LIST} ${T10_INSTALL_FOLDER_ICON})
  foreach(_file IN LISTS _files)
    # To standard output, where message() would write to the error stream.
    execute_process(COMMAND ${CMAKE_COMMAND} -E echo "${_file}")
  endforeach()
endif()
