# What ships in the program folder is optimized and stripped; its debug information stays
# in the build tree, as <build>/symbols/<file>.debug, for crash analysis. The shipped file
# carries a debug link to it, so a debugger pointed at the symbols folder finds it.
#
#   kocfg_ship_stripped(<target>)
function(kocfg_ship_stripped target)
  if(NOT WIN32)
    return()
  endif()
  string(REPLACE "gcc-posix" "" prefix "${CMAKE_C_COMPILER}")
  string(REPLACE "gcc" "" prefix "${prefix}")
  find_program(KOCFG_OBJCOPY NAMES ${prefix}objcopy i686-w64-mingw32-objcopy REQUIRED)
  find_program(KOCFG_STRIP NAMES ${prefix}strip i686-w64-mingw32-strip REQUIRED)
  set(symbols "${CMAKE_BINARY_DIR}/symbols")
  file(MAKE_DIRECTORY "${symbols}")
  set(debug "${symbols}/$<TARGET_FILE_NAME:${target}>.debug")
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${KOCFG_OBJCOPY} --only-keep-debug "$<TARGET_FILE:${target}>" "${debug}"
    COMMAND ${KOCFG_STRIP} --strip-all "$<TARGET_FILE:${target}>"
    COMMAND ${KOCFG_OBJCOPY} "--add-gnu-debuglink=${debug}" "$<TARGET_FILE:${target}>"
    VERBATIM)
endfunction()
