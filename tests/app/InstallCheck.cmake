# Installs the build into a scratch prefix and checks what a desktop start
# needs: the game, its cues and clip, the clip module and a desktop entry
# that starts it in the data folder.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${PREFIX}"
  RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "install failed: ${rc}")
endif()
foreach(f bin/quindle share/quindle/left.wav share/quindle/ok.wav share/quindle/uhoh.wav
        share/quindle/applause.wav share/quindle/cool.avi share/applications/quindle.desktop
        share/icons/hicolor/48x48/apps/quindle.png)
  if(NOT EXISTS "${PREFIX}/${f}")
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()
file(GLOB module "${PREFIX}/lib*/quindle/quindle_clip.so")
if(NOT module)
  message(FATAL_ERROR "clip module not installed")
endif()
file(GLOB helper "${PREFIX}/lib*/quindle/quindle_cues")
if(NOT helper)
  message(FATAL_ERROR "sound process not installed")
endif()
file(READ "${PREFIX}/share/applications/quindle.desktop" entry)
# The entry names the prefix configured at build time, not the scratch one.
if(NOT entry MATCHES "\nPath=[^\n]*/share/quindle\n" OR NOT entry MATCHES "\nIcon=quindle\n")
  message(FATAL_ERROR "desktop entry without its Path or Icon:\n${entry}")
endif()
