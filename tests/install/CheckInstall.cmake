# Installs the build into a scratch prefix, checks what lies where, and runs
# the installed program, with the Help probe preloaded, once with its help
# page and once without it. Called with -DBUILD_DIR, -DPREFIX, -DPROBE and -DAPPSTREAMCLI.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX} OUTPUT_QUIET
                COMMAND_ERROR_IS_FATAL ANY)

set(id org.velmora.Velmora)
set(expected bin/velmora lib/velmora/libvelmora_charts.so lib/velmora/libvelmora_audio.so
             share/velmora/Velmora.html share/velmora/Velmora.fr.html share/velmora/Velmora.de.html
             share/applications/${id}.desktop
             share/metainfo/${id}.metainfo.xml share/icons/hicolor/scalable/apps/${id}.svg
             share/man/man6/velmora.6.gz share/man/fr/man6/velmora.6.gz
             share/man/de/man6/velmora.6.gz share/doc/velmora/copyright
             share/doc/velmora/changelog.gz)
foreach(size 16 24 32 48 64 128 256)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${id}.png)
endforeach()
file(GLOB_RECURSE installed RELATIVE ${PREFIX} ${PREFIX}/*)
list(SORT installed)
list(SORT expected)
if(NOT installed STREQUAL expected)
    message(FATAL_ERROR "installed files differ from the layout: ${installed}")
endif()

# The metadata with the launcher entry it names, and what that entry names.
execute_process(COMMAND ${APPSTREAMCLI} validate-tree --no-net ${PREFIX} COMMAND_ERROR_IS_FATAL ANY)
file(STRINGS ${PREFIX}/share/applications/${id}.desktop named REGEX "^(Exec|Icon)=")
string(REGEX REPLACE "Exec=([^;]*);Icon=(.*)" "bin/\\1;share/icons/hicolor/scalable/apps/\\2.svg"
                     named "${named}")
foreach(file IN LISTS named)
    if(NOT EXISTS ${PREFIX}/${file})
        message(FATAL_ERROR "the launcher entry names ${file}, which is not installed")
    endif()
endforeach()

# An ASan build may be preloaded into, as long as ASan does not object to the order.
set(ENV{ASAN_OPTIONS} "$ENV{ASAN_OPTIONS}:verify_asan_link_order=0")
function(press_help expected)
    set(ENV{LD_PRELOAD} ${PROBE})
    execute_process(COMMAND ${PREFIX}/bin/velmora OUTPUT_VARIABLE shown RESULT_VARIABLE failed
                    TIMEOUT 30)
    unset(ENV{LD_PRELOAD})
    string(FIND "${shown}" "${expected}" at)
    if(failed OR at EQUAL -1)
        message(FATAL_ERROR "Help (exit ${failed}) showed:\n${shown}expected:\n${expected}")
    endif()
endfunction()

press_help("source: ${PREFIX}/share/velmora/Velmora.html\ntitle: Velmora help\n")
file(REMOVE ${PREFIX}/share/velmora/Velmora.html)
press_help("text: Help file not found: ${PREFIX}/bin/Velmora.html\n")
