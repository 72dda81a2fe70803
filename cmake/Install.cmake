# The installed layout (cmake --install, and the Debian package):
#   bin/                           quillon, quillon-factory, quillon-cli, quillon-sim
#   share/quillon/                 quillon_en.qm and the help documents (resources/help), where the
#                                  programs look when they are not beside them
#   share/applications/            one launcher per edition, both opening .qlc documents
#   share/mime/packages/           the document type application/x-quillon-qlc (*.qlc)
#   share/icons/hicolor/scalable/  the application icon
include(GNUInstallDirs)

set(QUILLON_DESKTOP_DIR ${PROJECT_SOURCE_DIR}/resources/desktop)

install(TARGETS quillon-cli quillon-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The window's two editions, each with its launcher.
foreach(edition IN ITEMS quillon quillon-factory)
    if(TARGET ${edition})
        install(TARGETS ${edition} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
        install(FILES ${QUILLON_DESKTOP_DIR}/${edition}.desktop
                DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    endif()
endforeach()

install(FILES ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/quillon_en.qm DESTINATION ${CMAKE_INSTALL_DATADIR}/quillon)

install(FILES ${QUILLON_DESKTOP_DIR}/quillon-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME quillon.xml)

install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/quillon.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
