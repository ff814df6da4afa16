# The offscreen platform with one screen of the given size (its whole area
# available), for the window tests and benchmarks: sets offscreen_<w>x<h> to
# the QT_QPA_PLATFORM setting that names it.
function(lumo_offscreen_screen width height)
  file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/screen-${width}x${height}.json
    "{\"screens\": [{\"name\": \"screen\", \"x\": 0, \"y\": 0, \"width\": ${width}, \"height\": ${height}, \"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1}]}\n")
  set(offscreen_${width}x${height} "QT_QPA_PLATFORM=offscreen:configfile=${CMAKE_CURRENT_BINARY_DIR}/screen-${width}x${height}.json" PARENT_SCOPE)
endfunction()
