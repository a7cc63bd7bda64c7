# Finds liburing, through which rowcard reads its templates in batches (Linux
# only; Debian: liburing-dev). Without it rowcard makes plain reads and behaves
# the same. Sets ROWCARD_HAVE_URING and, where it is ON, the target rowcard_uring.
set(ROWCARD_HAVE_URING OFF)
# io_uring is Linux's alone: elsewhere there is nothing to look for.
if(NOT CMAKE_SYSTEM_NAME STREQUAL "Linux")
  return()
endif()
set(without_uring "batched template reads through io_uring, and the end-to-end tests run again with plain reads")
if(NOT ROWCARD_IO_URING)
  rowcard_left_out("${without_uring}: ROWCARD_IO_URING is OFF")
  return()
endif()

find_package(PkgConfig QUIET)
if(PKG_CONFIG_FOUND)
  pkg_check_modules(URING QUIET IMPORTED_TARGET liburing)
endif()
if(URING_FOUND)
  add_library(rowcard_uring ALIAS PkgConfig::URING)
  set(ROWCARD_HAVE_URING ON)
else()
  # No pkg-config, or no .pc file: look for the header and library themselves.
  find_path(URING_INCLUDE_DIR liburing.h)
  find_library(URING_LIBRARY uring)
  if(URING_INCLUDE_DIR AND URING_LIBRARY)
    add_library(rowcard_uring UNKNOWN IMPORTED)
    set_target_properties(rowcard_uring PROPERTIES IMPORTED_LOCATION ${URING_LIBRARY}
                                                   INTERFACE_INCLUDE_DIRECTORIES ${URING_INCLUDE_DIR})
    set(ROWCARD_HAVE_URING ON)
  endif()
endif()

if(ROWCARD_HAVE_URING)
  message(STATUS "rowcard: template reads batched through liburing")
else()
  rowcard_left_out("${without_uring}: liburing not found (Debian: liburing-dev)")
endif()
