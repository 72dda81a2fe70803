# Builds the Debian package of the build and checks it: the dependencies dpkg-shlibdeps found for the
# programs (and the platform plugin the window loads), everything below /usr where the desktop's triggers
# look, the same files as cmake --install lays out; the program's version; lintian without errors.
# The package is built for /usr whatever prefix the build has: only its control data and contents are
# looked at here, not the paths compiled into the programs.
#   cmake -DCPACK=… -DBUILD_DIR=… -DWORK_DIR=… -DWINDOW=0|1 -DVERSION=… [-DLINTIAN=…] -P PackageTest.cmake

function(fail)
    string(JOIN "" text ${ARGN})
    message(FATAL_ERROR "${text}")
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})
execute_process(COMMAND ${CPACK} -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${WORK_DIR}
                        -D CPACK_PACKAGING_INSTALL_PREFIX=/usr
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
file(GLOB packages ${WORK_DIR}/*.deb)
list(LENGTH packages count)
if(NOT rc EQUAL 0 OR NOT count EQUAL 1)
    fail("cpack -G DEB failed (${rc}):\n${out}${err}")
endif()

execute_process(COMMAND dpkg-deb -f ${packages} Package Version Depends Recommends OUTPUT_VARIABLE control)
set(needed "Package: quillon" "Version: ${VERSION}\n" "libqt6core6 \\(>= 6\\." "libqt6serialport6" "libstdc\\+\\+6"
    "fonts-liberation2" "libqt6sql6-sqlite" "libqt6sql6-psql" "Recommends: [^\n]*shared-mime-info")
if(WINDOW)
    list(APPEND needed "libqt6widgets6" "libqt6gui6" "qt6-qpa-plugins" "qt6-translations-l10n")
endif()
foreach(pattern IN LISTS needed)
    if(NOT control MATCHES "${pattern}")
        fail("the package's control data lack ${pattern}:\n${control}")
    endif()
endforeach()

string(REGEX MATCHALL "libzip4" libzip "${control}")
list(LENGTH libzip libzip_count)
if(NOT libzip_count EQUAL 1)
    fail("the package's control data name libzip4 ${libzip_count} times:\n${control}")
endif()

execute_process(COMMAND dpkg-deb -c ${packages} OUTPUT_VARIABLE contents)
string(REGEX MATCHALL "\\./[^\n]*[^/\n]\n" files "${contents}")
string(REPLACE "\n" "" files "${files}")
list(SORT files)
set(expected ./usr/bin/quillon-cli ./usr/bin/quillon-sim ./usr/share/icons/hicolor/scalable/apps/quillon.svg
    ./usr/share/mime/packages/quillon.xml ./usr/share/quillon/quillon_en.qm
    ./usr/share/quillon/hilfe_software.pdf ./usr/share/quillon/hilfe_software_en.pdf
    ./usr/share/quillon/hilfe_transmitter.pdf ./usr/share/quillon/hilfe_transmitter_en.pdf)
foreach(topic RANGE 1 11)
    list(APPEND expected ./usr/share/quillon/Help${topic}.txt ./usr/share/quillon/Help${topic}e.txt)
endforeach()
list(APPEND expected ./usr/share/doc/quillon/copyright ./usr/share/doc/quillon/changelog.gz
     ./usr/share/man/man1/quillon-cli.1.gz ./usr/share/man/man1/quillon-sim.1.gz)
if(WINDOW)
    list(APPEND expected ./usr/bin/quillon ./usr/bin/quillon-factory ./usr/share/applications/quillon.desktop
         ./usr/share/applications/quillon-factory.desktop ./usr/share/man/man1/quillon.1.gz
         ./usr/share/man/man1/quillon-factory.1.gz)
endif()
list(SORT expected)
if(NOT files STREQUAL expected)
    fail("the package holds:\n${contents}\nexpected the files:\n${expected}")
endif()

# Debian's own check of the package: no errors (warnings and notes are not looked at). Lintian is
# optional here (LINTIAN empty: not installed).
if(LINTIAN)
    execute_process(COMMAND ${LINTIAN} --no-tag-display-limit ${packages} RESULT_VARIABLE rc OUTPUT_VARIABLE out
                    ERROR_VARIABLE err)
    string(REGEX MATCHALL "(^|\n)E: [^\n]*" errors "${out}")
    if(errors OR NOT rc MATCHES "^[01]$")
        fail("lintian finds errors in the package (${rc}):\n${out}${err}")
    endif()
endif()
