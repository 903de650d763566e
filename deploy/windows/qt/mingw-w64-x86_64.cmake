# The toolchain of a project built against this Qt for Windows: Debian's MinGW-w64, this Qt found
# beside the file, and Debian's Qt host tools (moc, uic, rcc).
include("${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake")
list(APPEND CMAKE_FIND_ROOT_PATH ${CMAKE_CURRENT_LIST_DIR})
set(CMAKE_PREFIX_PATH ${CMAKE_CURRENT_LIST_DIR})
set(QT_HOST_PATH /usr CACHE PATH "Debian's Qt 6.4.2 host tools (qt6-base-dev-tools)")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "")
