# Install layout (GNUInstallDirs under any prefix) and the Debian package.
#
#   bin/production-lab
#   share/production-lab/help/{concepts.htm,software/tolvane.htm}
#   share/applications/<id>.desktop
#   share/icons/hicolor/{32x32,scalable}/apps/<id>.{png,svg}
#   share/metainfo/<id>.metainfo.xml
#   share/doc/production-lab/copyright

include(${CMAKE_CURRENT_LIST_DIR}/identity.cmake)

if(NOT TARGET production-lab)
    return()
endif()

# The program finds its help pages through a path relative to its own folder, computed once at
# configure time; an absolute bin or data folder would break that path under another prefix.
foreach(dir IN ITEMS CMAKE_INSTALL_BINDIR CMAKE_INSTALL_DATADIR)
    if(IS_ABSOLUTE "${${dir}}")
        message(FATAL_ERROR "${dir} must be relative to the prefix (it is ${${dir}})")
    endif()
endforeach()

install(TARGETS production-lab RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/help/
    DESTINATION ${PRODUCTION_LAB_HELP_INSTALL_DIR}
    FILES_MATCHING PATTERN "*.htm")
install(FILES ${PROJECT_SOURCE_DIR}/data/production-lab.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
    RENAME ${PRODUCTION_LAB_APP_ID}.desktop)
install(FILES ${PROJECT_SOURCE_DIR}/data/icons/production-lab-32.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps
    RENAME ${PRODUCTION_LAB_APP_ID}.png)
install(FILES ${PROJECT_SOURCE_DIR}/data/icons/production-lab.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    RENAME ${PRODUCTION_LAB_APP_ID}.svg)
configure_file(${PROJECT_SOURCE_DIR}/data/production-lab.metainfo.xml.in
    ${PROJECT_BINARY_DIR}/data/${PRODUCTION_LAB_APP_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/data/${PRODUCTION_LAB_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The licence in Debian's machine-readable copyright format, where Debian packages keep it.
configure_file(${PROJECT_SOURCE_DIR}/data/debian/copyright.in
    ${PROJECT_BINARY_DIR}/data/copyright @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/data/copyright
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/production-lab)

# cpack -G DEB: production-lab_<version>-<release>_<arch>.deb, dependencies from dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME production-lab)
set(CPACK_PACKAGE_VENDOR "The Production Lab developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_CONTACT "${PRODUCTION_LAB_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teaching software on the neoclassical theory of production")
# The long description, wrapped as Debian control files want it.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Production Lab is a desktop program for microeconomics classes. The student"
    "types a level of production and the prices of two inputs, chooses a"
    "technology (perfect substitutes, fixed proportions or Cobb-Douglas) and sees"
    "the isoquant, the isocost line and the cost-minimising choice, in the long"
    "run or with a fixed quantity of one input. A glossary and a guide to the"
    "program are installed with it and read without a network.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${PRODUCTION_LAB_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
