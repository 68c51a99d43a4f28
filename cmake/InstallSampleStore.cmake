# Copies the sample store to DESTINATION unless something is there already.
if(EXISTS "${DESTINATION}" OR IS_SYMLINK "${DESTINATION}")
  return()
endif()
get_filename_component(parent "${DESTINATION}" DIRECTORY)
file(COPY "${SOURCE}" DESTINATION "${parent}")
