# The COORDS reader and the image-map areas built from it.
add_fuzz_target(coords SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/CoordsFuzz.cpp LIBS engine)
