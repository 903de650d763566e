# A Windows program's resources: its .rc (icon and version, compiled by windres) and, in a
# release, no debugging sections (Debian's MinGW runtime objects bring theirs into every program).
include_guard(GLOBAL)

# FILEVERSION wants four numbers; the project gives one to three.
set(T10_VERSION_MINOR 0)
set(T10_VERSION_PATCH 0)
if(PROJECT_VERSION_MINOR)
  set(T10_VERSION_MINOR ${PROJECT_VERSION_MINOR})
endif()
if(PROJECT_VERSION_PATCH)
  set(T10_VERSION_PATCH ${PROJECT_VERSION_PATCH})
endif()
# The four numbers of Windows versions, for the setup as well.
set(T10_VERSION_NUMBERS "${PROJECT_VERSION_MAJOR}.${T10_VERSION_MINOR}.${T10_VERSION_PATCH}.0"
    CACHE INTERNAL "")
configure_file("${CMAKE_CURRENT_LIST_DIR}/version.rc.h.in"
               "${CMAKE_BINARY_DIR}/generated/version.rc.h" @ONLY)

function(t10_windows_resources target rc)
  if(NOT WIN32)
    return()
  endif()
  target_sources(${target} PRIVATE ${rc})
  # windres finds the icons and the version header on these paths.
  target_include_directories(${target} PRIVATE
    $<$<COMPILE_LANGUAGE:RC>:${CMAKE_SOURCE_DIR}/resources/windows>
    $<$<COMPILE_LANGUAGE:RC>:${CMAKE_BINARY_DIR}/generated>)
  t10_windows_release_stripped(${target})
endfunction()

# A release program or DLL without debugging sections.
function(t10_windows_release_stripped target)
  if(WIN32 AND NOT MSVC)
    target_link_options(${target} PRIVATE $<$<CONFIG:Release,MinSizeRel>:-s>)
  endif()
endfunction()
