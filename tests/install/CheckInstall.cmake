# Installs the build into a scratch prefix, checks what lies where, and runs
# the installed program (with the Help probe preloaded) once with its help
# page and once without it.
# Called with -DBUILD_DIR, -DPREFIX, -DPROBE and -DAPPSTREAMCLI.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                OUTPUT_QUIET RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "cmake --install failed")
endif()

set(id org.velmora.Velmora)
set(expected bin/velmora share/velmora/Velmora.html share/applications/${id}.desktop
             share/metainfo/${id}.metainfo.xml share/icons/hicolor/scalable/apps/${id}.svg
             share/man/man6/velmora.6.gz share/doc/velmora/copyright)
foreach(size 16 24 32 48 64 128 256)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${id}.png)
endforeach()
file(GLOB_RECURSE installed RELATIVE ${PREFIX} ${PREFIX}/*)
list(SORT installed)
list(SORT expected)
if(NOT installed STREQUAL expected)
    string(REPLACE ";" "\n  " installed "${installed}")
    message(FATAL_ERROR "installed files differ from the layout:\n  ${installed}")
endif()

# The metadata with the launcher entry it names, and what the entry names.
execute_process(COMMAND ${APPSTREAMCLI} validate-tree --no-net ${PREFIX} RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "appstreamcli validate-tree failed on the installed tree")
endif()
file(STRINGS ${PREFIX}/share/applications/${id}.desktop exec REGEX "^Exec=")
file(STRINGS ${PREFIX}/share/applications/${id}.desktop icon REGEX "^Icon=")
string(REPLACE "Exec=" "${PREFIX}/bin/" exec "${exec}")
string(REPLACE "Icon=" "${PREFIX}/share/icons/hicolor/scalable/apps/" icon "${icon}")
if(NOT EXISTS "${exec}" OR NOT EXISTS "${icon}.svg")
    message(FATAL_ERROR "the launcher entry names ${exec} and ${icon}.svg; not both are there")
endif()

# An ASan build may be preloaded into, as long as ASan does not object to the order.
set(ENV{ASAN_OPTIONS} "$ENV{ASAN_OPTIONS}:verify_asan_link_order=0")
function(press_help expected)
    set(ENV{LD_PRELOAD} ${PROBE})
    execute_process(COMMAND ${PREFIX}/bin/velmora OUTPUT_VARIABLE shown RESULT_VARIABLE failed
                    TIMEOUT 30)
    unset(ENV{LD_PRELOAD})
    string(FIND "${shown}" "${expected}" at)
    if(failed OR at EQUAL -1)
        message(FATAL_ERROR "Help in the installed program (exit ${failed}) showed:\n${shown}"
                            "expected:\n${expected}")
    endif()
    message(STATUS "Help showed:\n${shown}")
endfunction()

press_help("source: ${PREFIX}/share/velmora/Velmora.html\ntitle: Velmora help\n")
file(REMOVE ${PREFIX}/share/velmora/Velmora.html)
press_help("text: Help file not found: ${PREFIX}/bin/Velmora.html\n")
