# Zips FOLDER into ZIP with the folder's name as its top entry, leaving out an Archivio.DAT that
# a trial run in the folder may have written.
cmake_path(GET FOLDER PARENT_PATH parent)
cmake_path(GET FOLDER FILENAME name)
file(GLOB_RECURSE files RELATIVE "${parent}" "${FOLDER}/*")
list(FILTER files EXCLUDE REGEX "/Archivio\\.DAT$")
list(SORT files)
file(REMOVE "${ZIP}")
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf "${ZIP}" --format=zip -- ${files}
                WORKING_DIRECTORY "${parent}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "could not write ${ZIP}")
endif()
