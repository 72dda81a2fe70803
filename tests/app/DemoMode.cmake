# CDemoMode against the real quillon-sim (identified through quillon-cli) and against stand-ins that fail.
quillon_add_test(DemoModeTest LABEL e2e SOURCES ${CMAKE_CURRENT_LIST_DIR}/DemoModeTest.cpp
    LIBS quillon_demo quillon_processsupport quillon_testsupport TIMEOUT 120)
