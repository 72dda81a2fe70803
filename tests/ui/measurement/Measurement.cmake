# The measurement windows on the offscreen platform, against the in-process simulator.
quillon_add_test(MeasurementDialogsTest LABEL gui
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/MeasurementDialogsTest.cpp ${CMAKE_CURRENT_LIST_DIR}/ModalDriver.h
    LIBS quillon_ui_measurement quillon_sequencerig)
