# Draws the icon again and fails when the committed icon file differs from the drawing.
execute_process(COMMAND ${TOOL} ${OUT} RESULT_VARIABLE drawn)
if(NOT drawn EQUAL 0)
  message(FATAL_ERROR "app_icon failed (${drawn})")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT} ${COMMITTED} RESULT_VARIABLE differs)
if(NOT differs EQUAL 0)
  message(FATAL_ERROR "${COMMITTED} is not the current drawing: run scripts/build.sh icon and commit it")
endif()
