# One bounded fuzzing pass for ctest: a fresh scratch corpus (new inputs land
# there, so the committed seeds stay as they are) plus the seed directory.
# cmake -DFUZZER=<binary> -DSEEDS=<dir> -DSCRATCH=<dir> -DSECONDS=<n> -P Lauf.cmake
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH}/corpus ${SCRATCH}/funde)
execute_process(
  COMMAND ${FUZZER} -max_total_time=${SECONDS} -timeout=10 -rss_limit_mb=2048
          -print_final_stats=1 -artifact_prefix=${SCRATCH}/funde/
          ${SCRATCH}/corpus ${SEEDS}
  RESULT_VARIABLE ergebnis)
if(NOT ergebnis EQUAL 0)
  message(FATAL_ERROR "${FUZZER} found a failing input, kept in ${SCRATCH}/funde")
endif()
