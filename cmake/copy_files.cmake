# Copies FILES into DEST when they differ.
file(MAKE_DIRECTORY "${DEST}")
string(REPLACE "|" ";" FILES "${FILES}")
foreach(f ${FILES})
  get_filename_component(n "${f}" NAME)
  configure_file("${f}" "${DEST}/${n}" COPYONLY)
endforeach()
