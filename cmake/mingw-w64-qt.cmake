# The windows preset's toolchain: the one that comes with Qt for Windows (MinGW-w64 compilers,
# that Qt, Debian's Qt host tools), taken from $QT_MINGW_DIR or from build/qt6-mingw.
if(DEFINED ENV{QT_MINGW_DIR})
  set(_qt_mingw "$ENV{QT_MINGW_DIR}")
else()
  get_filename_component(_qt_mingw "${CMAKE_CURRENT_LIST_DIR}/../build/qt6-mingw" ABSOLUTE)
endif()
if(NOT EXISTS "${_qt_mingw}/mingw-w64-x86_64.cmake")
  message(FATAL_ERROR "No Qt for Windows at ${_qt_mingw}: set QT_MINGW_DIR or run ./tempestina windows")
endif()
include("${_qt_mingw}/mingw-w64-x86_64.cmake")
