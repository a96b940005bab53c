# Our image decoders against libjpeg-turbo and libpng used directly. Build in Release.
add_executable(imagelib_decode ${CMAKE_CURRENT_LIST_DIR}/imagelib_decode.cpp)
target_link_libraries(imagelib_decode PRIVATE imagelib_core imagelib_test_pictures PNG::PNG JPEG::JPEG)
