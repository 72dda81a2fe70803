# Fails when a source of quillon_core or of the sheet includes a widget header: both must run in the
# command-line tool and in tests without a display.
file(GLOB_RECURSE sources ${SOURCE_DIR}/src/core/* ${SOURCE_DIR}/src/link/* ${SOURCE_DIR}/src/transmitter/*
     ${SOURCE_DIR}/src/document/* ${SOURCE_DIR}/src/base/* ${SOURCE_DIR}/src/edit/* ${SOURCE_DIR}/src/sim/* ${SOURCE_DIR}/src/cli/*
     ${SOURCE_DIR}/src/sheet/*)
set(offenders)
foreach(source IN LISTS sources)
    if(source MATCHES "\\.(h|cpp)$")
        file(STRINGS ${source} lines REGEX "#include *<(QtWidgets|QtPrintSupport|QWidget|QDialog|QApplication|QMessageBox)")
        if(lines)
            list(APPEND offenders "${source}: ${lines}")
        endif()
    endif()
endforeach()
if(offenders)
    message(FATAL_ERROR "widget headers in the core:\n${offenders}")
endif()
