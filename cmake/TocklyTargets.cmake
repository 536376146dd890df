# Shared compile settings and the helpers every folder uses to add its files.
#
# The portable core (`tockly_core`) is every file that needs no Win32; the native build compiles
# only that library, which is what proves those files portable. The Win32 layer (`tockly_win32`)
# exists only in the Windows build.

add_library(tockly_warnings INTERFACE)
target_compile_options(tockly_warnings INTERFACE -Wall -Wextra -Werror)

if(TOCKLY_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                        -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

if(WIN32)
    # Unicode Win32 API, Vista as the oldest target, no min/max macros.
    add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                            _WIN32_WINNT=0x0600 WINVER=0x0600)
    # Everything static, so that the exe runs on a clean Windows with no extra DLL.
    add_link_options(-static -static-libgcc -static-libstdc++)
    # The same sources give the same bytes: no link time in the PE header.
    add_link_options(-Wl,--no-insert-timestamp)
endif()

# tockly_core_sources(file...) / tockly_win32_sources(file...): add files of the current folder
# to the portable core or to the Win32 layer.
function(tockly_core_sources)
    list(TRANSFORM ARGN PREPEND "${CMAKE_CURRENT_SOURCE_DIR}/")
    target_sources(tockly_core PRIVATE ${ARGN})
endfunction()

function(tockly_win32_sources)
    if(WIN32)
        list(TRANSFORM ARGN PREPEND "${CMAKE_CURRENT_SOURCE_DIR}/")
        target_sources(tockly_win32 PRIVATE ${ARGN})
    endif()
endfunction()
