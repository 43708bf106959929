# Installation, desktop integration and the Debian package.
# Only the program is installed: the static core library, the tests and the tools stay in the build tree.
include(GNUInstallDirs)

set(KAIRO_APP_ID kairo-drill)
set(KAIRO_METAINFO_ID io.github.kairodrill.KairoDrill)
set(KAIRO_PACKAGE_MAINTAINER "Kairo Drill developers <kairo-drill@example.org>"
  CACHE STRING "Maintainer named in the Debian package")
# The release of PROJECT_VERSION: the AppStream release and the Debian changelog entry carry it.
set(KAIRO_RELEASE_DATE 2026-12-09)
set(KAIRO_RELEASE_DATE_RFC2822 "Wed, 09 Dec 2026 00:00:00 +0000")
set(KAIRO_DEBIAN_RELEASE 1)
set(KAIRO_DEBIAN_VERSION ${PROJECT_VERSION}-${KAIRO_DEBIAN_RELEASE})

# Windows starts the program without a console window; macOS gets an application bundle, which
# macdeployqt fills with Qt. Both properties are ignored on Linux.
set_target_properties(kairo-drill PROPERTIES
  WIN32_EXECUTABLE ON
  MACOSX_BUNDLE ON
  MACOSX_BUNDLE_BUNDLE_NAME "Kairo Drill"
  MACOSX_BUNDLE_GUI_IDENTIFIER ${KAIRO_METAINFO_ID}
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

  # Compressed as Debian wants it: best compression, and no name or time stamp in the header, so two
  # builds of one commit give the same bytes. Done at configure time, like the configured files.
  file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/packaging)
  find_program(KAIRO_GZIP gzip REQUIRED)
  function(kairo_gzip input output)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${input})
    execute_process(COMMAND ${KAIRO_GZIP} -9nc ${input} OUTPUT_FILE ${output} COMMAND_ERROR_IS_FATAL ANY)
  endfunction()

  kairo_gzip(${PROJECT_SOURCE_DIR}/packaging/${KAIRO_APP_ID}.1 ${PROJECT_BINARY_DIR}/packaging/${KAIRO_APP_ID}.1.gz)
  install(FILES ${PROJECT_BINARY_DIR}/packaging/${KAIRO_APP_ID}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

  configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.in ${PROJECT_BINARY_DIR}/packaging/changelog @ONLY)
  kairo_gzip(${PROJECT_BINARY_DIR}/packaging/changelog ${PROJECT_BINARY_DIR}/packaging/changelog.Debian.gz)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${PROJECT_BINARY_DIR}/packaging/changelog.Debian.gz
    DESTINATION ${CMAKE_INSTALL_DOCDIR})
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/${KAIRO_APP_ID}.lintian-overrides
    DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME ${KAIRO_APP_ID})

  # Software centres list the program through its AppStream metadata, which names the desktop entry.
  configure_file(${PROJECT_SOURCE_DIR}/packaging/${KAIRO_APP_ID}.metainfo.xml.in
    ${PROJECT_BINARY_DIR}/packaging/${KAIRO_METAINFO_ID}.metainfo.xml @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/packaging/${KAIRO_METAINFO_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

# The installed tree is checked as a whole: files, desktop entry and the command line.
if(KAIRO_BUILD_TESTS AND UNIX AND NOT APPLE)
  enable_testing()
  list(JOIN KAIRO_ICON_SIZES " " icon_sizes)
  add_test(NAME install/layout
    COMMAND bash ${PROJECT_SOURCE_DIR}/tests/install/check_layout.sh
      ${CMAKE_COMMAND} ${PROJECT_BINARY_DIR} $<CONFIG> ${PROJECT_VERSION}
      "${icon_sizes}" ${KAIRO_METAINFO_ID} ${KAIRO_DEBIAN_VERSION} ${KAIRO_RELEASE_DATE})
  set_tests_properties(install/layout PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_LOGGING_RULES=qt.qpa.*=false"
    LABELS install
    TIMEOUT 120)
endif()

# Debian package: `make package`, or `cpack -G DEB` in a build directory.
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
set(CPACK_DEBIAN_PACKAGE_RELEASE ${KAIRO_DEBIAN_RELEASE})
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
