# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the simulator twice, with one job and with three, and fails unless the outputs are equal.
foreach(jobs 1 3)
  execute_process(COMMAND ${SIM} ${GAME_DIR} --levels 1,5,9 --difficulty all --typist all --runs 3 --seed 11 --jobs ${jobs}
                  OUTPUT_VARIABLE out_${jobs} RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "keyslinger-sim exited with ${rc}")
  endif()
endforeach()
if(NOT out_1 STREQUAL out_3)
  message(FATAL_ERROR "the same seed gave different tables:\n${out_1}\n---\n${out_3}")
endif()
string(LENGTH "${out_1}" length)
if(length LESS 200)
  message(FATAL_ERROR "the table is too short:\n${out_1}")
endif()
