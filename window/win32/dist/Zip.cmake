# Makes the players' zip of FOLDER: its files in a fixed order, each dated at SOURCE_DATE_EPOCH
# where that is set, with fixed modes and none of the builder's own times or user, so that one
# commit gives the same bytes.
cmake_path(GET FOLDER FILENAME name)
cmake_path(GET FOLDER PARENT_PATH parent)
file(GLOB files RELATIVE ${parent} ${FOLDER}/*)
list(SORT files)
file(GLOB paths ${FOLDER}/*)
file(CHMOD ${paths} FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
file(CHMOD ${FOLDER}/scaffle.exe FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
     GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    execute_process(COMMAND touch -d @$ENV{SOURCE_DATE_EPOCH} ${paths} COMMAND_ERROR_IS_FATAL ANY)
endif()
file(REMOVE ${ZIP})
# -X leaves out the times and the user that zip would add besides the file's date.
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC zip -q -X -D ${ZIP} ${files}
                WORKING_DIRECTORY ${parent} COMMAND_ERROR_IS_FATAL ANY)
