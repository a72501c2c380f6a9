# The Windows programs as a ZIP for players (cd build/windows && cpack): the two .exe files
# and a short README, all in one folder, as players copy them into the game's folder.
install(TARGETS keldra-config keldra-ini RUNTIME DESTINATION .)
install(FILES "${PROJECT_SOURCE_DIR}/packaging/windows/README.txt" DESTINATION .)

set(CPACK_PACKAGE_NAME "keldra-config")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_FILE_NAME "keldra-config-${PROJECT_VERSION}-windows-x64")
set(CPACK_GENERATOR "ZIP")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
include(CPack)
