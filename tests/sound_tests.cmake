# SPDX-FileCopyrightText: 2026 Quelro Programs
# SPDX-License-Identifier: GPL-3.0-or-later
# Sound test, included from tests/CMakeLists.txt. It runs from the bin folder,
# where the generated waves lie beside it.

add_executable(tst_soundcues ${CMAKE_CURRENT_LIST_DIR}/tst_soundcues.cpp)
target_link_libraries(tst_soundcues PRIVATE vexlor_sound Qt6::Test)
add_dependencies(tst_soundcues vexlor_waves)
add_test(NAME tst_soundcues COMMAND tst_soundcues)

set_tests_properties(tst_soundcues PROPERTIES
    LABELS sound TIMEOUT 120 ENVIRONMENT QT_QPA_PLATFORM=offscreen)

# The real game heard through a private PulseAudio server; skipped only where none can start.
add_test(NAME e2e_sound
         COMMAND xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96"
                 bash ${CMAKE_CURRENT_LIST_DIR}/e2e/sound.sh $<TARGET_FILE:vexlor>)
set_tests_properties(e2e_sound PROPERTIES LABELS "sound;e2e" TIMEOUT 180 SKIP_RETURN_CODE 77)
