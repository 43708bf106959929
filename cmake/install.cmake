# Installation, desktop integration and the Debian package.
# Only the program is installed: the static core library, the tests and the tools stay in the build tree.
include(GNUInstallDirs)

set(KAIRO_APP_ID kairo-drill)

# Windows starts the program without a console window; macOS gets an application bundle, which
# macdeployqt fills with Qt. Both properties are ignored on Linux.
set_target_properties(kairo-drill PROPERTIES
  WIN32_EXECUTABLE ON
  MACOSX_BUNDLE ON
  MACOSX_BUNDLE_BUNDLE_NAME "Kairo Drill"
  MACOSX_BUNDLE_GUI_IDENTIFIER "io.github.kairodrill.KairoDrill"
  MACOSX_BUNDLE_BUNDLE_VERSION "${PROJECT_VERSION}"
  MACOSX_BUNDLE_SHORT_VERSION_STRING "${PROJECT_VERSION}")

install(TARGETS kairo-drill
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  BUNDLE DESTINATION .)

set(KAIRO_ICON_SIZES 16 32 48 64 128 256)

# Freedesktop menus: the desktop entry, the icon in the hicolor theme and the manual page.
if(UNIX AND NOT APPLE)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/${KAIRO_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/icon.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    RENAME ${KAIRO_APP_ID}.svg)
  foreach(size IN LISTS KAIRO_ICON_SIZES)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/icon_${size}.png
      DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
      RENAME ${KAIRO_APP_ID}.png)
  endforeach()

  # Manual pages are installed compressed (Debian policy); compressed here, so no gzip is needed.
  set(manual ${PROJECT_SOURCE_DIR}/packaging/${KAIRO_APP_ID}.1)
  set(manual_gz ${PROJECT_BINARY_DIR}/packaging/${KAIRO_APP_ID}.1.gz)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${manual})
  file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/packaging)
  file(ARCHIVE_CREATE OUTPUT ${manual_gz} PATHS ${manual} FORMAT raw COMPRESSION GZip)
  install(FILES ${manual_gz} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

# The installed tree is checked as a whole: files, desktop entry and the command line.
if(KAIRO_BUILD_TESTS AND UNIX AND NOT APPLE)
  enable_testing()
  list(JOIN KAIRO_ICON_SIZES " " icon_sizes)
  add_test(NAME install/layout
    COMMAND bash ${PROJECT_SOURCE_DIR}/tests/install/check_layout.sh
      ${CMAKE_COMMAND} ${PROJECT_BINARY_DIR} $<CONFIG> ${PROJECT_VERSION}
      "${icon_sizes}")
  set_tests_properties(install/layout PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_LOGGING_RULES=qt.qpa.*=false"
    LABELS install
    TIMEOUT 120)
endif()

# Debian package: `make package`, or `cpack -G DEB` in a build directory.
set(KAIRO_PACKAGE_MAINTAINER "Kairo Drill developers <kairo-drill@example.org>"
  CACHE STRING "Maintainer named in the Debian package")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${KAIRO_APP_ID})
set(CPACK_PACKAGE_VENDOR "Kairo Drill developers")
set(CPACK_PACKAGE_CONTACT "${KAIRO_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "drill program for electric-circuit calculation")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${KAIRO_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# CPack puts the summary above this as the synopsis line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Kairo Drill poses problems on one circuit shape: a source, element 1 in
series, elements 2 and 3 in parallel. The student types the combined
resistance or impedance and then the branch currents to two decimals, and
is led through correct, incorrect, retry and guided-review screens.
.
The EASY course uses direct-current circuits of three resistors; the NORMAL
course uses alternating-current circuits of resistors, capacitors and coils
at 10^4 rad/s, with complex answers. Every problem has a circuit code that
replays it. The screens are in Japanese.")
# dpkg-shlibdeps finds the linked Qt libraries (libqt6core6, libqt6gui6, libqt6widgets6, libqt6svg6,
# whose package also holds the SVG icon and image plugins); the platform plugins and the Japanese
# fonts are loaded at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-noto-cjk")
include(CPack)
