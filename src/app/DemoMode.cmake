# quillon_demo: the demonstration without hardware (CDemoMode, and CDemoProfileStore that keeps the
# user's hardware keys out of it), linked into both editions of the window.
# It runs quillon-sim, found beside the program first and among the installed programs second.
include(GNUInstallDirs)
add_library(quillon_demo STATIC
    ${CMAKE_CURRENT_LIST_DIR}/DemoMode.h ${CMAKE_CURRENT_LIST_DIR}/DemoMode.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DemoProfileStore.h ${CMAKE_CURRENT_LIST_DIR}/DemoProfileStore.cpp)
target_link_libraries(quillon_demo PUBLIC quillon_core)
target_compile_definitions(quillon_demo PRIVATE QUILLON_INSTALL_BINDIR="${CMAKE_INSTALL_FULL_BINDIR}")
add_dependencies(quillon_demo quillon-sim)
