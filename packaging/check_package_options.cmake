# Read by cpack before it packs: a package is always kept up to date by the distribution, so a
# build that asks an update server of its own is never packed.
if(NOT CPACK_PIPWICK_UPDATE_SERVER STREQUAL "")
  message(FATAL_ERROR "A package is built without an update server: configure with "
                      "-DPIPWICK_UPDATE_SERVER= (now \"${CPACK_PIPWICK_UPDATE_SERVER}\").")
endif()
