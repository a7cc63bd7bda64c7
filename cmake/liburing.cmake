# Finds liburing (Linux only; Debian: liburing-dev), which the batched floor of
# the benchmarks uses, and rowcard too where ROWCARD_IO_URING is ON. Sets
# ROWCARD_URING_FOUND and the target rowcard_uring when it is found, and
# ROWCARD_HAVE_URING when rowcard batches its template reads through it.
set(ROWCARD_HAVE_URING OFF)
set(ROWCARD_URING_FOUND OFF)
# io_uring is Linux's alone: elsewhere there is nothing to look for.
if(NOT CMAKE_SYSTEM_NAME STREQUAL "Linux")
  return()
endif()

find_package(PkgConfig QUIET)
if(PKG_CONFIG_FOUND)
  pkg_check_modules(URING QUIET IMPORTED_TARGET liburing)
endif()
if(URING_FOUND)
  add_library(rowcard_uring ALIAS PkgConfig::URING)
  set(ROWCARD_URING_FOUND ON)
else()
  # No pkg-config, or no .pc file: look for the header and library themselves.
  find_path(URING_INCLUDE_DIR liburing.h)
  find_library(URING_LIBRARY uring)
  if(URING_INCLUDE_DIR AND URING_LIBRARY)
    add_library(rowcard_uring UNKNOWN IMPORTED)
    set_target_properties(rowcard_uring PROPERTIES IMPORTED_LOCATION ${URING_LIBRARY}
                                                   INTERFACE_INCLUDE_DIRECTORIES ${URING_INCLUDE_DIR})
    set(ROWCARD_URING_FOUND ON)
  endif()
endif()

# Plain calls are rowcard's own choice, not something left out: on the kernels
# measured they beat io_uring's linked open, read and close (see the README).
if(NOT ROWCARD_IO_URING)
  message(STATUS "rowcard: template reads with plain calls (-DROWCARD_IO_URING=ON batches them through io_uring)")
elseif(ROWCARD_URING_FOUND)
  set(ROWCARD_HAVE_URING ON)
  message(STATUS "rowcard: template reads batched through liburing")
else()
  rowcard_left_out("batched template reads through io_uring, which ROWCARD_IO_URING asks for, and the end-to-end tests run again with plain reads: liburing not found (Debian: liburing-dev)")
endif()
