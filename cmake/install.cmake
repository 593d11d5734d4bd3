# Installing Tarnvel as a desktop application, and packaging it as a .deb with CPack.
include(GNUInstallDirs)

set(TARNVEL_APP_ID io.github.tarnvel.Tarnvel)
# Everything installed here is the viewer's package; the Plasma 5 plugin is a component of its own.
set(CMAKE_INSTALL_DEFAULT_COMPONENT_NAME tarnvel)
set(data ${PROJECT_SOURCE_DIR}/data)

install(TARGETS tarnvel tarnvel-thumbnailer RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${data}/${TARNVEL_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${data}/${TARNVEL_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${data}/tarnvel-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME tarnvel.xml)
install(FILES ${data}/tarnvel.thumbnailer DESTINATION ${CMAKE_INSTALL_DATADIR}/thumbnailers)
install(FILES ${data}/tarnvel.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${data}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${data}/tarnvel.lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME tarnvel)

# The manual pages and the changelog are installed compressed, as Debian keeps them; -n leaves the
# name and time out, so that the same text always gives the same bytes.
foreach(page tarnvel.1 tarnvel-thumbnailer.1 changelog)
  set(compressed ${CMAKE_CURRENT_BINARY_DIR}/compressed/${page}.gz)
  add_custom_command(OUTPUT ${compressed}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/compressed
    COMMAND gzip -9n -c ${data}/${page} > ${compressed}
    DEPENDS ${data}/${page})
  list(APPEND compressed_files ${compressed})
endforeach()
add_custom_target(compressed_docs ALL DEPENDS ${compressed_files})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/compressed/tarnvel.1.gz ${CMAKE_CURRENT_BINARY_DIR}/compressed/tarnvel-thumbnailer.1.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/compressed/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

# Bitmap icons for desktops that do not draw SVG, rendered from the SVG when rsvg-convert is there.
find_program(RSVG_CONVERT rsvg-convert)
if(RSVG_CONVERT)
  foreach(size 16 24 32 48 64 128 256)
    set(png ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}/tarnvel.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}
      COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${data}/tarnvel.svg
      DEPENDS ${data}/tarnvel.svg VERBATIM)
    list(APPEND icon_pngs ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
  add_custom_target(icons ALL DEPENDS ${icon_pngs})
endif()

# The Debian packages: the viewer, and where it is built the Plasma 5 plugin, which depends on the
# viewer's package for the file type. The libraries they link come from dpkg-shlibdeps; the plugins
# Qt loads at run time (the SVG icon engine, X11 and Wayland) are named here.
set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL tarnvel)
if(TARNVEL_KIO5_PLUGIN)
  list(APPEND CPACK_COMPONENTS_ALL kio)
endif()
set(CPACK_PACKAGE_NAME tarnvel)
set(CPACK_DEBIAN_TARNVEL_PACKAGE_NAME tarnvel)
set(CPACK_DEBIAN_KIO_PACKAGE_NAME tarnvel-kio-thumbnailer)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Tarnvel developers")
set(CPACK_PACKAGE_CONTACT "The Tarnvel developers <tarnvel@users.noreply.github.com>")
set(CPACK_DEBIAN_TARNVEL_DESCRIPTION "viewer of ZX Spectrum screen files, drawn as the machine drew them
Tarnvel shows ZX Spectrum screen files (raw 6912-byte display dumps) and
lets you watch them build up: first the bitmap in grey on black, in thirds
and interleaved lines, then the colours, cell by cell. It also gives file
managers previews of screen files.")
set(CPACK_DEBIAN_KIO_DESCRIPTION "previews of ZX Spectrum screen files in Dolphin on Plasma 5
A thumbnail plugin for KDE Frameworks 5's KIO: Dolphin and other KDE
programs on Plasma 5 show previews of ZX Spectrum screen files, drawn as
Tarnvel draws them. Plasma 6 needs no plugin: it runs Tarnvel's preview
program itself.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# A package is built for the release it is built on, whose libraries it links; the release's name
# in its version (0.1~deb12, 0.1~deb13) tells the two apart, and sorts the newer release's higher.
set(CPACK_DEBIAN_PACKAGE_VERSION ${PROJECT_VERSION})
if(EXISTS /etc/os-release)
  file(STRINGS /etc/os-release release_id REGEX "^ID=")
  file(STRINGS /etc/os-release release_version REGEX "^VERSION_ID=")
  string(REGEX REPLACE "^ID=\"?([a-z]+)\"?$" "\\1" release_id "${release_id}")
  string(REGEX REPLACE "^VERSION_ID=\"?([0-9.]+)\"?$" "\\1" release_version "${release_version}")
  string(REPLACE debian deb release_id "${release_id}")
  if(release_id AND release_version)
    string(APPEND CPACK_DEBIAN_PACKAGE_VERSION "~${release_id}${release_version}")
  endif()
endif()
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The programs are stripped as Debian strips them, debugging information and the compiler's notes
# included; the build tree keeps them for the developer.
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/strip.cmake)
# The SVG icon engine is a plugin no program links, so it is named by the package that holds it
# on the system the package is built for: libqt6svg6 on Debian 12, qt6-svg-plugins from Debian 13.
set(svg_icon_engine ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS}/iconengines/libqsvgicon.so)
execute_process(COMMAND dpkg-query --search ${svg_icon_engine} OUTPUT_VARIABLE owner ERROR_QUIET)
string(REGEX MATCH "^[^:]+" svg_icon_package "${owner}")
if(NOT svg_icon_package)
  set(svg_icon_package libqt6svg6)
endif()
set(CPACK_DEBIAN_TARNVEL_PACKAGE_DEPENDS "${svg_icon_package}, hicolor-icon-theme")
set(CPACK_DEBIAN_TARNVEL_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n, shared-mime-info, desktop-file-utils")
set(CPACK_DEBIAN_KIO_PACKAGE_DEPENDS "tarnvel (= ${CPACK_DEBIAN_PACKAGE_VERSION})")
set(CPACK_DEBIAN_KIO_PACKAGE_ENHANCES "dolphin")
include(CPack)
