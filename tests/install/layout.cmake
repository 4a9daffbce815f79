# Installs the build into a scratch prefix and checks what a desktop and a package rely on: every
# file in its place, the files naming each other consistently, the installed programs running.
# Called with -DBUILD_DIR=<build> -DPREFIX=<scratch> -DAPP_ID=<id> -DVERSION=<project version>
# -DGUI=<ON|OFF> -DSAMPLES=<tests/samples>.
file(REMOVE_RECURSE ${PREFIX})
set(ENV{DESTDIR} "")
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install: exit ${status}\n${out}")
endif()

set(always
    bin/srtdump
    share/man/man1/srtdump.1
    share/subclock/sample.srt)
set(with_player
    bin/subclock
    share/man/man1/subclock.1
    share/applications/${APP_ID}.desktop
    share/icons/hicolor/scalable/apps/${APP_ID}.svg
    share/metainfo/${APP_ID}.metainfo.xml
    share/subclock/translations/subclock_ja.qm)
if(GUI)
    set(present ${always} ${with_player})
    set(absent "")
else()
    # Without the player a menu entry would launch nothing.
    set(present ${always})
    set(absent ${with_player})
endif()
foreach(path IN LISTS present)
    if(NOT EXISTS ${PREFIX}/${path} OR IS_DIRECTORY ${PREFIX}/${path})
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()
foreach(path IN LISTS absent)
    if(EXISTS ${PREFIX}/${path})
        message(FATAL_ERROR "installed without the player: ${path}")
    endif()
endforeach()

# The installed reader reads the installed sample (Shift JIS, CRLF: srtdump's defaults).
execute_process(COMMAND ${PREFIX}/bin/srtdump --format json ${PREFIX}/share/subclock/sample.srt
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0 OR NOT out MATCHES "^\\{\"entries\":\\[\\{\"number\":1,")
    message(FATAL_ERROR "installed srtdump on the installed sample: exit ${status}\n${out}${err}")
endif()

# SAMI comes through the media library, which the installed programs load from the prefix.
execute_process(COMMAND ${PREFIX}/bin/srtdump --format report --encoding auto
                        ${SAMPLES}/formats/ref.smi
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0 OR NOT out MATCHES "^subtitles: 3\n.*format: SAMI")
    message(FATAL_ERROR "installed srtdump on a SAMI file: exit ${status}\n${out}${err}")
endif()

if(NOT GUI)
    return()
endif()

execute_process(COMMAND ${PREFIX}/bin/subclock --version RESULT_VARIABLE status
                OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 20)
if(NOT status EQUAL 0 OR NOT out STREQUAL "subclock ${VERSION}\n")
    message(FATAL_ERROR "installed subclock --version: exit ${status}\n${out}${err}")
endif()

# Desktops find the icon by the entry's Icon= name and the program by the first word of Exec=;
# software centres find the entry by the metainfo's launchable.
file(STRINGS ${PREFIX}/share/applications/${APP_ID}.desktop icon REGEX "^Icon=")
if(NOT icon STREQUAL "Icon=${APP_ID}")
    message(FATAL_ERROR "the desktop entry's \"${icon}\" does not name the installed icon ${APP_ID}")
endif()
file(STRINGS ${PREFIX}/share/applications/${APP_ID}.desktop exec REGEX "^Exec=")
if(NOT exec MATCHES "^Exec=([^ ]+)" OR NOT EXISTS ${PREFIX}/bin/${CMAKE_MATCH_1})
    message(FATAL_ERROR "the desktop entry's \"${exec}\" does not start an installed program")
endif()

file(READ ${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml metainfo)
set(metainfo_expects
    "<id>${APP_ID}</id>"
    "<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>"
    "<release version=\"${VERSION}\"")
foreach(text IN LISTS metainfo_expects)
    string(FIND "${metainfo}" "${text}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the installed metainfo lacks ${text}")
    endif()
endforeach()
if(metainfo MATCHES "@[A-Z_]+@")
    message(FATAL_ERROR "the installed metainfo keeps a placeholder: ${CMAKE_MATCH_0}")
endif()
