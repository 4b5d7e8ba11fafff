# SPDX-License-Identifier: MIT
# Read by cpack before it makes a package. Without dpkg-shlibdeps CPack only warns and writes a
# package whose Depends lack the libraries it links, one that installs and then cannot start.
if(CPACK_GENERATOR STREQUAL "DEB")
  find_program(FERROWICK_DPKG_SHLIBDEPS dpkg-shlibdeps)
  if(NOT FERROWICK_DPKG_SHLIBDEPS)
    message(FATAL_ERROR "dpkg-shlibdeps is missing (Debian package dpkg-dev): without it the "
                        "package's dependencies cannot be worked out.")
  endif()
endif()
