# The picture decoders, one target per stream entry point of the image library.
foreach(decoder rpngstream rjpgstream rgifstream rbmpstream)
  add_fuzz_target(${decoder} SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/imagelib/${decoder}.cpp LIBS imagelib_core)
endforeach()
