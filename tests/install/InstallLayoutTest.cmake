# Installs the build into a temporary root and checks what lands there: exactly the programs, the
# catalogue, the help documents, the launchers, the document type and the icon; the installed tools
# run; the launchers are valid, start the installed programs and open the document type that the shared-mime-info entry
# declares for *.qlc.
#   cmake -DBUILD_DIR=… -DSOURCE_DIR=… -DWORK_DIR=… -DWINDOW=0|1 -P InstallLayoutTest.cmake

function(fail)
    string(JOIN "" text ${ARGN})
    message(FATAL_ERROR "${text}")
endfunction()

set(root ${WORK_DIR}/root)
file(REMOVE_RECURSE ${WORK_DIR})
execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${root} ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
    fail("cmake --install failed (${rc}):\n${out}${err}")
endif()

set(expected
    usr/bin/quillon-cli
    usr/bin/quillon-sim
    usr/share/icons/hicolor/scalable/apps/quillon.svg
    usr/share/mime/packages/quillon.xml
    usr/share/quillon/quillon_en.qm
    usr/share/quillon/hilfe_software.pdf
    usr/share/quillon/hilfe_software_en.pdf
    usr/share/quillon/hilfe_transmitter.pdf
    usr/share/quillon/hilfe_transmitter_en.pdf)
foreach(topic RANGE 1 11)
    list(APPEND expected usr/share/quillon/Help${topic}.txt usr/share/quillon/Help${topic}e.txt)
endforeach()
list(APPEND expected usr/share/doc/quillon/copyright usr/share/doc/quillon/changelog.gz)
set(editions)
if(WINDOW)
    set(editions quillon quillon-factory)
    list(APPEND expected usr/bin/quillon usr/bin/quillon-factory
         usr/share/applications/quillon.desktop usr/share/applications/quillon-factory.desktop)
endif()
foreach(program IN ITEMS quillon-cli quillon-sim ${editions})
    list(APPEND expected usr/share/man/man1/${program}.1.gz)
endforeach()
list(SORT expected)
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE ${root} ${root}/*)
list(SORT installed)
if(NOT installed STREQUAL expected)
    string(REPLACE ";" "\n  " installed_text "${installed}")
    string(REPLACE ";" "\n  " expected_text "${expected}")
    fail("installed files:\n  ${installed_text}\nexpected:\n  ${expected_text}")
endif()

# The installed programs run from their new place (no path into the build tree) and answer --help and
# --version on a terminal without a display.
set(no_display ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM)
foreach(tool IN ITEMS quillon-cli quillon-sim ${editions})
    execute_process(COMMAND ${no_display} ${root}/usr/bin/${tool} --help RESULT_VARIABLE rc OUTPUT_VARIABLE out
                    ERROR_VARIABLE err)
    if(NOT rc EQUAL 0 OR out STREQUAL "")
        fail("installed ${tool} --help failed (${rc}): ${out}${err}")
    endif()
endforeach()
foreach(tool IN ITEMS quillon-cli ${editions})
    foreach(option IN ITEMS --version -V)
        execute_process(COMMAND ${no_display} ${root}/usr/bin/${tool} ${option} RESULT_VARIABLE rc
                        OUTPUT_VARIABLE out ERROR_VARIABLE err)
        if(NOT rc EQUAL 0 OR NOT out STREQUAL "${tool} ${VERSION}\n")
            fail("installed ${tool} ${option} answered (${rc}): ${out}${err}")
        endif()
    endforeach()
endforeach()

# A wrong option is a usage error on the terminal, not a window that cannot open.
foreach(tool IN ITEMS quillon-cli ${editions})
    execute_process(COMMAND ${no_display} ${root}/usr/bin/${tool} --bogus RESULT_VARIABLE rc
                    OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 2 OR NOT err MATCHES "--bogus")
        fail("installed ${tool} --bogus answered (${rc}): ${out}${err}")
    endif()
endforeach()

# The document type: shared-mime-info compiles the entry, and *.qlc maps to the declared type.
file(READ ${root}/usr/share/mime/packages/quillon.xml mime_xml)
if(NOT mime_xml MATCHES "<mime-type type=\"([^\"]+)\"")
    fail("quillon.xml declares no mime-type")
endif()
set(mime_type ${CMAKE_MATCH_1})
find_program(UPDATE_MIME_DATABASE update-mime-database)
if(UPDATE_MIME_DATABASE)
    execute_process(COMMAND ${UPDATE_MIME_DATABASE} ${root}/usr/share/mime RESULT_VARIABLE rc ERROR_VARIABLE err)
    if(NOT rc EQUAL 0 OR err MATCHES "[Ee]rror|[Ww]arning")
        fail("update-mime-database refused quillon.xml (${rc}): ${err}")
    endif()
    file(READ ${root}/usr/share/mime/globs2 globs)
    if(NOT globs MATCHES ":${mime_type}:\\*\\.qlc")
        fail("*.qlc is not ${mime_type} after update-mime-database:\n${globs}")
    endif()
endif()

# The launchers: valid, each starting its own program with the file it is given. Only the customer
# edition claims the document type, so that a double-click opens a document there on every desktop; the
# factory edition takes a document from "Open with" or its own menu.
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
foreach(edition IN ITEMS quillon quillon-factory)
    set(desktop ${SOURCE_DIR}/resources/desktop/${edition}.desktop)
    if(DESKTOP_FILE_VALIDATE)
        execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${desktop} RESULT_VARIABLE rc OUTPUT_VARIABLE out)
        if(NOT rc EQUAL 0 OR NOT out STREQUAL "")
            fail("${edition}.desktop is not valid:\n${out}")
        endif()
    endif()
    file(READ ${desktop} entry)
    if(NOT entry MATCHES "\nExec=${edition} %f\n")
        fail("${edition}.desktop does not start ${edition} with the file:\n${entry}")
    endif()
    if(edition STREQUAL "quillon" AND NOT entry MATCHES "\nMimeType=([^\n]*;)?${mime_type};")
        fail("${edition}.desktop does not open ${mime_type}:\n${entry}")
    endif()
    if(edition STREQUAL "quillon-factory" AND entry MATCHES "${mime_type}")
        fail("${edition}.desktop claims ${mime_type}, which is the customer edition's:\n${entry}")
    endif()
    if(NOT entry MATCHES "\nIcon=quillon\n")
        fail("${edition}.desktop does not show the installed icon:\n${entry}")
    endif()
endforeach()
