# One INTERFACE target carries the language level, warnings and sanitizer flags;
# every target of ours links it.
add_library(dvx_options INTERFACE)
target_compile_features(dvx_options INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)
target_compile_options(dvx_options INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                             -Wno-sign-conversion)
# GCC 12 reports false overlaps inside std::string at -O3.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(dvx_options INTERFACE -Wno-restrict)
endif()
# Clang's -Wall also reports unused constants, which GCC's does not; a
# constant used only in one build variant is not a fault.
if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    target_compile_options(dvx_options INTERFACE -Wno-unused-const-variable)
endif()
if(DVX_WERROR)
    target_compile_options(dvx_options INTERFACE -Werror)
endif()
if(DVX_SANITIZE)
    target_compile_options(dvx_options INTERFACE -fsanitize=address,undefined
                                                 -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(dvx_options INTERFACE -fsanitize=address,undefined)
endif()
