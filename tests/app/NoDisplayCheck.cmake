# Starts the game where no display can be reached and checks that it says
# so in one line and ends with status 1, instead of aborting.
# -DGAME=<path to quindle>
foreach(case "DISPLAY=" "DISPLAY=:4711" "DISPLAY=bogus" "QT_QPA_PLATFORM=xcb|DISPLAY=:4711"
             "QT_QPA_PLATFORM=nonesuch" "XDG_RUNTIME_DIR=/nonexistent|DISPLAY=:4711")
  string(REPLACE "|" ";" settings "${case}")
  execute_process(
    COMMAND "${CMAKE_COMMAND}" -E env --unset=QT_QPA_PLATFORM --unset=WAYLAND_DISPLAY
            --unset=XDG_RUNTIME_DIR --unset=DISPLAY ${settings} "${GAME}"
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
  string(REGEX MATCHALL "\n" newlines "${err}")
  list(LENGTH newlines lines)
  if(NOT rc EQUAL 1 OR NOT lines EQUAL 1 OR NOT err MATCHES "^quindle: ")
    message(FATAL_ERROR "${case}: status ${rc}, stderr:\n${err}")
  endif()
endforeach()
