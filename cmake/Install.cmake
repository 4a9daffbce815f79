# What `cmake --install` lays out under the prefix: the programs, their man pages, the bundled
# sample and, with the player, what a Linux desktop needs to list it (entry, icon, metainfo).
include(GNUInstallDirs)

set(SUBCLOCK_APP_ID io.github.subclock.Subclock)
# The date of the release named by project(VERSION); move both together.
set(SUBCLOCK_RELEASE_DATE 2026-12-07)

install(TARGETS srtdump RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES data/man/srtdump.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES resources/sample.srt DESTINATION ${CMAKE_INSTALL_DATADIR}/subclock)

if(SUBCLOCK_BUILD_GUI)
    configure_file(data/${SUBCLOCK_APP_ID}.metainfo.xml.in
                   ${PROJECT_BINARY_DIR}/data/${SUBCLOCK_APP_ID}.metainfo.xml @ONLY)

    install(TARGETS subclock RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES data/man/subclock.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    install(FILES data/${SUBCLOCK_APP_ID}.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES data/${SUBCLOCK_APP_ID}.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
    install(FILES ${PROJECT_BINARY_DIR}/data/${SUBCLOCK_APP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    install(FILES ${SUBCLOCK_QM_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/subclock/translations)
endif()

install(FILES LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR} RENAME copyright)
