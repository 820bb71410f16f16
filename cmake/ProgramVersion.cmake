# The project's VERSION reaches the code through one generated header, so the
# splash, the about box, the version check, --version and the package agree.
configure_file(${CMAKE_CURRENT_LIST_DIR}/VersionNumbers.h.in
               ${PROJECT_BINARY_DIR}/generated/VersionNumbers.h @ONLY)
target_include_directories(dvx_options INTERFACE ${PROJECT_BINARY_DIR}/generated)
