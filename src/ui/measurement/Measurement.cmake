# The dialogs of live measurement, correction and the factory "Test" menu, on Qt Widgets over quillon_core.
add_library(quillon_ui_measurement STATIC
    ${CMAKE_CURRENT_LIST_DIR}/Loggen.h ${CMAKE_CURRENT_LIST_DIR}/Loggen.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DoLoggen.h ${CMAKE_CURRENT_LIST_DIR}/DoLoggen.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Kalibrierung.h ${CMAKE_CURRENT_LIST_DIR}/Kalibrierung.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DlgSioTransfer.h ${CMAKE_CURRENT_LIST_DIR}/DlgSioTransfer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MeasurementCommands.h ${CMAKE_CURRENT_LIST_DIR}/MeasurementCommands.cpp
)
target_include_directories(quillon_ui_measurement PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(quillon_ui_measurement PUBLIC quillon_core Qt6::Widgets)
