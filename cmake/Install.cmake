# What `cmake --install` puts where, and the Debian package made from it with
# `cpack -G DEB`. Included from the root after the velmora target exists.
include(GNUInstallDirs)

set(VELMORA_APP_ID org.velmora.Velmora)
set(VELMORA_DATA_DIR ${CMAKE_INSTALL_DATADIR}/velmora)
set(VELMORA_DATA ${CMAKE_CURRENT_SOURCE_DIR}/data)
set(VELMORA_MAINTAINER "Velmora maintainers <maintainers@users.noreply.c-seed-b44e6c45.example>"
    CACHE STRING "Maintainer named in the Debian package")
set(VELMORA_SCREENSHOT_URL "https://velmora.example/screenshots/table.png"
    CACHE STRING "Where the AppStream metadata's screenshot is published")

# Help looks for its page this far from the executable, so the installed tree
# may be moved as a whole (a --prefix given at install time included).
file(RELATIVE_PATH VELMORA_DATA_FROM_BIN ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_DATADIR}/velmora)
set_property(SOURCE ${CMAKE_CURRENT_SOURCE_DIR}/src/window/help/HelpViewer.cpp APPEND PROPERTY
             COMPILE_DEFINITIONS VELMORA_DATA_FROM_BIN="${VELMORA_DATA_FROM_BIN}")
# The chart and sound modules likewise, from bin/ to lib/velmora.
file(RELATIVE_PATH VELMORA_MODULES_FROM_BIN ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_LIBDIR}/velmora)
set_property(SOURCE ${CMAKE_CURRENT_SOURCE_DIR}/src/window/common/Modules.cpp APPEND PROPERTY
             COMPILE_DEFINITIONS VELMORA_MODULES_FROM_BIN="${VELMORA_MODULES_FROM_BIN}")

# Debian wants the man page and the changelog compressed, without a time
# stamp so that builds repeat.
foreach(page velmora.6 velmora.fr.6 velmora.de.6 changelog)
    add_custom_command(OUTPUT ${page}.gz COMMAND gzip -9nc ${VELMORA_DATA}/${page} > ${page}.gz
                       DEPENDS ${VELMORA_DATA}/${page} VERBATIM)
endforeach()
add_custom_target(velmora_docs ALL DEPENDS velmora.6.gz velmora.fr.6.gz velmora.de.6.gz
                                           changelog.gz)

configure_file(${VELMORA_DATA}/${VELMORA_APP_ID}.metainfo.xml.in
               ${VELMORA_APP_ID}.metainfo.xml @ONLY)

install(TARGETS velmora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS velmora_charts velmora_audio LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/velmora)
install(FILES ${VELMORA_HELP_PAGES} DESTINATION ${VELMORA_DATA_DIR})
install(FILES ${VELMORA_DATA}/${VELMORA_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${VELMORA_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${VELMORA_DATA}/icons/${VELMORA_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size IN LISTS VELMORA_ICON_SIZES)
    install(FILES ${VELMORA_DATA}/icons/${size}x${size}/${VELMORA_APP_ID}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/velmora.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
# man(1) looks in man/<language>/ for the reader's language.
foreach(language fr de)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/velmora.${language}.6.gz
            DESTINATION ${CMAKE_INSTALL_MANDIR}/${language}/man6 RENAME velmora.6.gz)
endforeach()
install(FILES ${VELMORA_DATA}/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/velmora)

set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "roulette practice table for the announced bets")
set(CPACK_PACKAGE_CONTACT ${VELMORA_MAINTAINER})
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${VELMORA_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beyond the linked libraries: the layout is sized for Liberation Sans (and
# Narrow), and Qt opens no window without its platform plugins, which libqt6gui6
# only recommends. The chart module is opened at run time, so its library is
# named here as well as found by shlibdeps; so are the sound module's. The
# croupier's voice needs the speech service and a voice, recommended only:
# without them the table plays on in silence.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-liberation, qt6-qpa-plugins, libqt6charts6, libqt6multimedia6, libqt6texttospeech6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-speech-speechd-plugin, speech-dispatcher, espeak-ng")
# CPack puts the summary first and indents these lines for dpkg itself.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Velmora is a single-zero roulette table played with play money: a betting
layout, a wheel with an animated ball, eight chips, four tables with their
own limits and eighteen announced-bet buttons (Tier, Orphans, Grande, Zero,
Neighbours, Finals, the quarters and more), so that the announced bets can
be practised exactly as a real table takes them. Nothing is won or lost but
the balance on the screen.")
if(PROJECT_IS_TOP_LEVEL) # a parent build packages itself
    include(CPack)
endif()
