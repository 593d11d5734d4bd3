# Installing Tarnvel as a desktop application (debian/ packages what this installs).
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
install(FILES ${data}/tarnvel.1 ${data}/tarnvel-thumbnailer.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

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
