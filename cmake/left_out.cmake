# What this configuration leaves out for want of a package: gathered while
# configuring and printed at its end, one line each, where it is hard to miss.

# Notes that WHAT is left out, and why (name the Debian package that brings it).
function(rowcard_left_out what)
  set_property(GLOBAL APPEND PROPERTY ROWCARD_LEFT_OUT "${what}")
endfunction()

# Prints the notes, or that nothing was left out.
function(rowcard_report_left_out)
  get_property(left_out GLOBAL PROPERTY ROWCARD_LEFT_OUT)
  if(NOT left_out)
    message(STATUS "rowcard: nothing left out: every part and test this configuration asks for is built")
    return()
  endif()
  foreach(what IN LISTS left_out)
    message(STATUS "rowcard: left out: ${what}")
  endforeach()
endfunction()
