# Installs the simulator into a scratch prefix and checks what landed there.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                        --component simulator
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "install failed: ${result}")
endif()

set(program ${PREFIX}/bin/kdr7-simulator)
set(entry ${PREFIX}/share/applications/kdr7-simulator.desktop)
set(icon ${PREFIX}/share/icons/hicolor/scalable/apps/kdr7-simulator.svg)
foreach(path ${program} ${entry} ${icon})
  if(NOT EXISTS ${path})
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()
execute_process(COMMAND test -x ${program} RESULT_VARIABLE executable)
if(NOT executable EQUAL 0)
  message(FATAL_ERROR "not executable: ${program}")
endif()

file(STRINGS ${entry} lines)
foreach(expected "[Desktop Entry]" "Type=Application" "Name=Tovek KDR-7 Simulator"
                 "Exec=kdr7-simulator" "Icon=kdr7-simulator")
  list(FIND lines "${expected}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${entry} lacks the line '${expected}'")
  endif()
endforeach()

file(READ ${icon} svg)
if(NOT svg MATCHES "<svg[^>]*xmlns=\"http://www.w3.org/2000/svg\"")
  message(FATAL_ERROR "${icon} is not an SVG picture")
endif()
message(STATUS "installed: program, menu entry and icon")
