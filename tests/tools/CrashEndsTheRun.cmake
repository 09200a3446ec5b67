# Runs a crashing program through the Wine wrapper and checks that the run
# ends by itself (no crash dialog waiting for a click), fails, and leaves a
# backtrace naming the crashing function in its output.
#
#   cmake -DWINE_EXEC=... -DPROGRAM=... -DFUNCTION=... -P CrashEndsTheRun.cmake

# Far more than a crash report takes; a crash dialog would wait for ever.
set(limit_seconds 60)
execute_process(COMMAND ${WINE_EXEC} ${PROGRAM}
                RESULT_VARIABLE status
                OUTPUT_VARIABLE output
                ERROR_VARIABLE output
                TIMEOUT ${limit_seconds})
message("${output}")
if(status MATCHES "timeout")
  message(FATAL_ERROR "the crashed program was still running after ${limit_seconds} s")
endif()
if(status EQUAL 0)
  message(FATAL_ERROR "the crashed program's run reported success")
endif()
if(NOT output MATCHES "Backtrace:")
  message(FATAL_ERROR "no backtrace in the output")
endif()
if(NOT output MATCHES "${FUNCTION}")
  message(FATAL_ERROR "the backtrace does not name ${FUNCTION}")
endif()
