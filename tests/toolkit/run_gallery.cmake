# Runs the toolkit gallery under Wine and turns its picture into a PNG.
# -DEMULATOR=wine-exec -DGALLERY=toolkit-gallery.exe -DSKINS=<folder with data> -DPICTURE=<path
# without extension>
function(windows_path host out)
    string(REPLACE "/" "\\" path "${host}")
    set(${out} "Z:${path}" PARENT_SCOPE)
endfunction()

get_filename_component(folder "${PICTURE}" DIRECTORY)
file(MAKE_DIRECTORY "${folder}")
file(REMOVE "${PICTURE}.bmp" "${PICTURE}.png")
windows_path("${PICTURE}.bmp" bmp)
windows_path("${SKINS}" skins)
execute_process(COMMAND "${EMULATOR}" "${GALLERY}" "${bmp}" "${skins}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "toolkit-gallery failed: ${result}")
endif()
execute_process(COMMAND convert "${PICTURE}.bmp" "${PICTURE}.png" RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR NOT EXISTS "${PICTURE}.png")
    message(FATAL_ERROR "cannot convert the gallery picture to PNG")
endif()
file(REMOVE "${PICTURE}.bmp")
message(STATUS "gallery: ${PICTURE}.png")
