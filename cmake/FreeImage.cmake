# FreeImage for the Windows build: the static libraries that scripts/build-freeimage keeps in the
# cache, as the imported target tockly::freeimage. Users include <windows.h> before FreeImage.h
# and call FreeImage_Initialise once.
#
# The cache folder is named by a key of the build script and its files; the script itself says
# which, so that the two can never disagree. -DTOCKLY_FREEIMAGE_DIR=... uses another build.

set(TOCKLY_FREEIMAGE_DIR "" CACHE PATH
    "FreeImage build to link (empty: the one scripts/build-freeimage keeps in the cache)")

set(_tockly_freeimage_script "${PROJECT_SOURCE_DIR}/scripts/build-freeimage")
# A change of the build files changes the key: configure again to pick up the new folder.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             "${_tockly_freeimage_script}"
             "${PROJECT_SOURCE_DIR}/scripts/freeimage/CMakeLists.txt"
             "${PROJECT_SOURCE_DIR}/scripts/freeimage/missing_plugins.cpp"
             "${PROJECT_SOURCE_DIR}/cmake/mingw-w64-x86_64.cmake")

if(TOCKLY_FREEIMAGE_DIR)
    set(_tockly_freeimage_dir "${TOCKLY_FREEIMAGE_DIR}")
else()
    execute_process(COMMAND bash "${_tockly_freeimage_script}" --print-prefix
                    OUTPUT_VARIABLE _tockly_freeimage_dir OUTPUT_STRIP_TRAILING_WHITESPACE
                    RESULT_VARIABLE _tockly_freeimage_result)
    if(NOT _tockly_freeimage_result EQUAL 0)
        message(FATAL_ERROR "scripts/build-freeimage --print-prefix failed")
    endif()
endif()

if(NOT EXISTS "${_tockly_freeimage_dir}/.complete")
    message(FATAL_ERROR "FreeImage for mingw-w64 is missing: ${_tockly_freeimage_dir} is not a "
                        "complete build. Run scripts/setup (it builds FreeImage into the cache), "
                        "or give another build with -DTOCKLY_FREEIMAGE_DIR=.")
endif()

find_library(TOCKLY_ZLIB NAMES libz.a REQUIRED)

# FreeImage needs libpng and libjpeg-turbo, and libpng needs zlib: the link order.
add_library(tockly::freeimage STATIC IMPORTED GLOBAL)
set_target_properties(tockly::freeimage PROPERTIES
    IMPORTED_LOCATION "${_tockly_freeimage_dir}/lib/libfreeimage.a"
    INTERFACE_INCLUDE_DIRECTORIES "${_tockly_freeimage_dir}/include"
    INTERFACE_COMPILE_DEFINITIONS FREEIMAGE_LIB
    INTERFACE_LINK_LIBRARIES
        "${_tockly_freeimage_dir}/lib/libpng16.a;${_tockly_freeimage_dir}/lib/libjpeg.a;${TOCKLY_ZLIB}")
message(STATUS "FreeImage: ${_tockly_freeimage_dir}")
