# Runs the evalexpr program on a few lines and compares its output byte for
# byte. Called by ctest with -DEVALEXPR=<path of the program>.
set(input "x=2;x*x\r\nx\n1/0\n-1/0\n0/0\npi\n\n1.2.3\nsqr(-1)\n(1+2")
set(expected "4\t0\n0\t9\ninf\t0\n-inf\t0\nnan\t0\n3.141592653589793\t0\n0\t3\n0\t4\n0\t11\n0\t11\n")
string(RANDOM LENGTH 8 suffix)
set(input_file "${CMAKE_CURRENT_BINARY_DIR}/evalexpr_input_${suffix}.txt")
file(WRITE "${input_file}" "${input}")
execute_process(COMMAND "${EVALEXPR}" INPUT_FILE "${input_file}" OUTPUT_VARIABLE output
                RESULT_VARIABLE status)
file(REMOVE "${input_file}")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "evalexpr exited with ${status}")
endif()
if(NOT output STREQUAL expected)
  message(FATAL_ERROR "evalexpr wrote:\n${output}\nexpected:\n${expected}")
endif()
