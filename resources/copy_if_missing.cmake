# cmake -DSRC=<file> -DDST=<file> -P copy_if_missing.cmake
# Copies SRC to DST only when DST does not exist: the program folder's copy
# belongs to the user once it is there.
if(NOT DEFINED SRC OR NOT DEFINED DST)
  message(FATAL_ERROR "copy_if_missing.cmake needs -DSRC=... and -DDST=...")
endif()
if(NOT EXISTS "${DST}")
  get_filename_component(dst_dir "${DST}" DIRECTORY)
  file(MAKE_DIRECTORY "${dst_dir}")
  file(COPY_FILE "${SRC}" "${DST}")
endif()
