# Finds liburing (Linux only; Debian: liburing-dev), which the batched floor of
# the benchmarks uses, and rowcard too unless ROWCARD_IO_URING is OFF. Sets
# ROWCARD_URING_FOUND and the target rowcard_uring when it is found, and
# ROWCARD_HAVE_URING when rowcard may read its templates through it.
#
# rowcard links liburing's static archive where it is there (liburing-dev
# ships it): the tool then needs no liburing at run time, so its package's
# dependencies stay those of the C library, as with its static C++ runtime,
# and a short run loads one library fewer. With the shared library alone it
# links that, and the .deb's dependencies, worked out from the binary, name it.
set(ROWCARD_HAVE_URING OFF)
set(ROWCARD_URING_FOUND OFF)
# io_uring is Linux's alone: elsewhere there is nothing to look for.
if(NOT CMAKE_SYSTEM_NAME STREQUAL "Linux")
  return()
endif()

find_path(URING_INCLUDE_DIR liburing.h)
find_library(URING_STATIC_LIBRARY NAMES liburing.a)
find_library(URING_LIBRARY NAMES uring)
if(URING_INCLUDE_DIR AND URING_STATIC_LIBRARY)
  set(URING_LINKED ${URING_STATIC_LIBRARY})
elseif(URING_INCLUDE_DIR AND URING_LIBRARY)
  set(URING_LINKED ${URING_LIBRARY})
endif()
if(URING_LINKED)
  add_library(rowcard_uring UNKNOWN IMPORTED)
  set_target_properties(rowcard_uring PROPERTIES IMPORTED_LOCATION ${URING_LINKED}
                                                 INTERFACE_INCLUDE_DIRECTORIES ${URING_INCLUDE_DIR})
  set(ROWCARD_URING_FOUND ON)
endif()

if(NOT ROWCARD_IO_URING)
  message(STATUS "rowcard: template reads with plain calls alone (ROWCARD_IO_URING is OFF)")
elseif(ROWCARD_URING_FOUND)
  set(ROWCARD_HAVE_URING ON)
  message(STATUS "rowcard: template reads through plain calls or io_uring, whichever each run measures cheaper (${URING_LINKED})")
else()
  rowcard_left_out("template reads through io_uring, which rowcard takes where the host makes system calls dear, and the end-to-end tests run again with plain reads: liburing not found (Debian: liburing-dev)")
endif()
