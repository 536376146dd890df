# The skin (Windows build): every bitmap of resources/skin/inventory.txt and the program icon are
# rendered from the drawings in tools/skin at build time. Resource bitmaps, the icon and skin.rc go
# to the build folder (Tockly.rc includes skin.rc and menus.rc); the data files go beside the exe.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
find_program(TOCKLY_RSVG_CONVERT rsvg-convert REQUIRED)

set(skin_inventory ${PROJECT_SOURCE_DIR}/resources/skin/inventory.txt)
set(skin_tools ${PROJECT_SOURCE_DIR}/tools/skin)
set(skin_out ${CMAKE_CURRENT_BINARY_DIR}/skin)
set(skin_bin ${CMAKE_BINARY_DIR}/bin)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${skin_inventory})

# Everything the renderer writes, from the inventory, so that ninja knows who makes each file.
file(STRINGS ${skin_inventory} skin_lines REGEX "^(res|file|icon) ")
set(skin_products ${skin_out}/skin.rc)
foreach(line IN LISTS skin_lines)
    string(REGEX MATCH "^([a-z]+) +([^ ]+)" _ "${line}")
    if(CMAKE_MATCH_1 STREQUAL "res")
        list(APPEND skin_products ${skin_out}/bitmaps/${CMAKE_MATCH_2}.bmp)
    elseif(CMAKE_MATCH_1 STREQUAL "file")
        list(APPEND skin_products ${skin_bin}/${CMAKE_MATCH_2})
    else()
        list(APPEND skin_products ${skin_out}/${CMAKE_MATCH_2}.ico)
    endif()
endforeach()

file(GLOB skin_scripts CONFIGURE_DEPENDS ${skin_tools}/*.py)
add_custom_command(
    OUTPUT ${skin_out}/skin.stamp
    BYPRODUCTS ${skin_products}
    COMMAND ${Python3_EXECUTABLE} ${skin_tools}/build_skin.py --inventory ${skin_inventory}
            --resources ${skin_out} --files ${skin_bin} --stamp ${skin_out}/skin.stamp
    DEPENDS ${skin_inventory} ${skin_scripts}
    COMMENT "Rendering the skin bitmaps and the program icon" VERBATIM)
add_custom_target(tockly_skin ALL DEPENDS ${skin_out}/skin.stamp)

add_dependencies(tockly_resources tockly_skin)
target_include_directories(tockly_resources PRIVATE ${skin_out})
# The resource scripts are UTF-8 ("Language_ComboBox_Français").
set_property(SOURCE Tockly.rc APPEND PROPERTY COMPILE_OPTIONS --codepage=65001)
set_property(SOURCE Tockly.rc APPEND PROPERTY OBJECT_DEPENDS
             ${skin_out}/skin.stamp ${CMAKE_CURRENT_SOURCE_DIR}/menus.rc
             ${PROJECT_SOURCE_DIR}/src/widgets/menu_ids.h
             ${PROJECT_SOURCE_DIR}/src/toolkit/text_menu_ids.h)

# One PNG with every bitmap at 1x and 4x and the assembled controls: look at it after art changes.
add_custom_target(skin_contact_sheet
    COMMAND ${Python3_EXECUTABLE} ${skin_tools}/contact_sheet.py --inventory ${skin_inventory}
            --resources ${skin_out} --files ${skin_bin} -o ${CMAKE_BINARY_DIR}/skin-contact-sheet.png
    DEPENDS tockly_skin
    COMMENT "Contact sheet: ${CMAKE_BINARY_DIR}/skin-contact-sheet.png" VERBATIM)

install(DIRECTORY ${skin_bin}/data DESTINATION .)
