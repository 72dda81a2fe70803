# Fails when a folder of src/ includes a header of a folder it may not use: each folder builds only on the
# folders below it, so that no two layers depend on each other and a lower layer can be used (and tested)
# without the ones above.
#
# The layers, lowest first:
#   core          seams every layer shares: operator, clock, logging, program error
#   link          ports and frames; it only moves bytes and knows no transmitter type
#   base          the transmitter's vocabulary: CUtils (rounding, hex, number texts), CEinheiten (units)
#                 and the type table CTypKatalog (the unit converter asks the type table, the document
#                 and the simulator build on all three)
#   document      CQuillonDoc, reply decoders, block images, document file, settings
#   transmitter   command set, connection, receive and send sequences, service transfers
#   measurement   the logic of measurement, logging and the offset/span correction
#   edit, calibration
#                 the logic of the edit and calibration windows; both may use measurement (the
#                 configuration dialog and the calibration pages read live values through it)
#   access        the logic of passwords and release
#   shell         window-independent logic of the main window (command table, enabling rules, form texts,
#                 language rules); may use all the logic folders
#   sheet         the configuration sheet drawn with Qt GUI
#   history       the device history's store on Qt SQL; implements the document's event sink
#   ui            widgets
#   app           the programs' main()
# Beside the stack:
#   cli           may use everything except ui and app
#   sim           models the devices; uses only core, link and base
#
# A folder not yet written is allowed already; a folder of src/ that is not in this list fails the check
# until it is given its place here (and in the README's "Folders").
#
# Run with -DSOURCE_DIR=<the source tree>.
cmake_minimum_required(VERSION 3.25)

set(core_allowed)
set(link_allowed core)
set(base_allowed core)
set(document_allowed core base)
set(transmitter_allowed core link base document)
set(measurement_allowed ${transmitter_allowed} transmitter)
set(edit_allowed ${measurement_allowed} measurement)
set(calibration_allowed ${measurement_allowed} measurement)
set(access_allowed ${transmitter_allowed} transmitter)
set(shell_allowed ${measurement_allowed} measurement edit calibration access)
set(sheet_allowed ${shell_allowed} shell)
set(history_allowed core base document)
set(ui_allowed ${sheet_allowed} sheet history)
set(app_allowed ${ui_allowed} ui cli sim)
set(cli_allowed ${sheet_allowed} sheet history sim)
set(sim_allowed core link base)
set(layers core link base document transmitter measurement edit calibration access shell sheet history ui app cli
    sim)

file(GLOB folders LIST_DIRECTORIES true RELATIVE ${SOURCE_DIR}/src ${SOURCE_DIR}/src/*)
set(problems)
foreach(folder IN LISTS folders)
    if(NOT IS_DIRECTORY ${SOURCE_DIR}/src/${folder})
        continue()
    endif()
    if(NOT folder IN_LIST layers)
        list(APPEND problems "src/${folder}/ has no place among the layers")
        continue()
    endif()
    file(GLOB_RECURSE sources ${SOURCE_DIR}/src/${folder}/*.h ${SOURCE_DIR}/src/${folder}/*.cpp)
    foreach(source IN LISTS sources)
        file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[A-Za-z_]+/")
        foreach(line IN LISTS includes)
            string(REGEX REPLACE "^[^\"]*\"([A-Za-z_]+)/.*$" "\\1" target "${line}")
            if(target STREQUAL folder OR NOT target IN_LIST layers)
                continue()
            endif()
            if(NOT target IN_LIST ${folder}_allowed)
                file(RELATIVE_PATH shown ${SOURCE_DIR} ${source})
                list(APPEND problems "${shown} includes ${target}/, a layer src/${folder}/ may not use")
            endif()
        endforeach()
    endforeach()
endforeach()
if(problems)
    list(JOIN problems "\n" text)
    message(FATAL_ERROR "layer order broken:\n${text}")
endif()
