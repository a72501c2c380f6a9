# Installation (cmake --install) and a Debian package (cpack -G DEB).
include(GNUInstallDirs)

install(TARGETS keldra-config keldra-ini RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES "${PROJECT_SOURCE_DIR}/packaging/keldra-config.desktop"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The icon's pictures, as the desktop's icon themes look them up (made from res/skin/128-app.ico).
foreach(size 16 32 48)
  install(FILES "${PROJECT_SOURCE_DIR}/packaging/icons/keldra-config-${size}.png"
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME keldra-config.png)
endforeach()

set(CPACK_PACKAGE_NAME "keldra-config")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "Keldra settings editor maintainers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Settings editor for the Keldra game client")
set(CPACK_DEBIAN_PACKAGE_SECTION "games")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The libraries come from what the programs link; the dialog font is a package of its own.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_GENERATOR "DEB")
include(CPack)
