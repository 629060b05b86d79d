# Sound test, included from tests/CMakeLists.txt. It runs from the bin folder,
# where the generated waves lie beside it.

add_executable(tst_soundcues ${CMAKE_CURRENT_LIST_DIR}/tst_soundcues.cpp)
target_link_libraries(tst_soundcues PRIVATE vexlor_sound Qt6::Test)
add_dependencies(tst_soundcues vexlor_waves)
add_test(NAME tst_soundcues COMMAND tst_soundcues)

set_tests_properties(tst_soundcues PROPERTIES
    LABELS sound ENVIRONMENT QT_QPA_PLATFORM=offscreen)
