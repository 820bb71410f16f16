# Install rules and the Debian package (make package): both programs in
# /usr/bin, the shipped data in /usr/share/decaventrix, a desktop entry with
# icons, man pages, the copyright file and a changelog.

if(NOT DVX_BUILD_GUI)
    return() # the package carries the desktop program
endif()

include(GNUInstallDirs)
set(DVX_PACKAGE_MAINTAINER "Decaventrix maintainers <maintainers@decaventrix.it>"
    CACHE STRING "Maintainer field of the package and its changelog")

set(packaging ${PROJECT_SOURCE_DIR}/packaging)
set(generated ${PROJECT_BINARY_DIR}/packaging)
set(docdir ${CMAKE_INSTALL_DATADIR}/doc/decaventrix)

# `cmake --install` and cpack install what is built, instead of building every
# test and benchmark first: make package builds just what the package holds.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

install(TARGETS decaventrix decaventrix-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION ${CMAKE_INSTALL_DATADIR}/decaventrix
        PATTERN ".git*" EXCLUDE)
install(FILES ${packaging}/decaventrix.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging}/decaventrix.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${packaging}/copyright DESTINATION ${docdir})

# PNG icons rendered from the SVG, and the gzipped man pages and changelog
# (gzip -n: no name or time stamp, so the same sources give the same bytes).
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
find_program(GZIP gzip REQUIRED)
set(outputs "")
foreach(size 16 22 24 32 48 64 128 256)
    set(png ${generated}/icons/${size}/decaventrix.png)
    add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${generated}/icons/${size}
        COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${packaging}/decaventrix.svg
        DEPENDS ${packaging}/decaventrix.svg VERBATIM)
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    list(APPEND outputs ${png})
endforeach()

foreach(page decaventrix decaventrix-cli)
    set(gz ${generated}/${page}.1.gz)
    add_custom_command(OUTPUT ${gz}
        COMMAND ${GZIP} -9nc ${packaging}/${page}.1 > ${gz}
        DEPENDS ${packaging}/${page}.1 VERBATIM)
    install(FILES ${gz} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    list(APPEND outputs ${gz})
endforeach()

# The changelog's one entry takes the version and date from here, so the
# version is still set in one place. SOURCE_DATE_EPOCH fixes the date.
string(TIMESTAMP DVX_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
configure_file(${packaging}/changelog.in ${generated}/changelog @ONLY)
add_custom_command(OUTPUT ${generated}/changelog.gz
    COMMAND ${GZIP} -9nc ${generated}/changelog > ${generated}/changelog.gz
    DEPENDS ${generated}/changelog VERBATIM)
install(FILES ${generated}/changelog.gz DESTINATION ${docdir})
list(APPEND outputs ${generated}/changelog.gz)

add_custom_target(dvx_package_files ALL DEPENDS ${outputs})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME decaventrix)
set(CPACK_PACKAGE_VENDOR Quorvel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${DVX_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_INSTALL_DIRECTORY /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "systems for the 10-out-of-20 numbers game")
set(CPACK_PACKAGE_DESCRIPTION
    "Decaventrix is a desktop program for players of the hourly numbers game in\n"
    "which 10 numbers out of 20 are drawn, plus one extra number. Pick 10 to 20\n"
    "numbers, set conditions, develop every 10-number column that passes them,\n"
    "reduce the result with a guarantee or adapt a ready-made matrix, then save,\n"
    "check the columns against the archive of past draws and print them onto\n"
    "play slips. The windows are in Italian.\n"
    "\n"
    "The package also holds decaventrix-cli, which does the same work from the\n"
    "command line.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # decaventrix_<version>_<arch>.deb
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.decaventrix.it/decavx/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON) # Depends from the binaries, by dpkg-shlibdeps
# Qt finds its Italian texts for the standard dialogs there; the program runs without.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/package)
include(CPack)
