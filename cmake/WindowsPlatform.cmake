# On Windows the system itself is the platform: keldra_platform is no code, only Windows' own
# libraries, so every target that links keldra_platform links the real API instead.
add_library(keldra_platform INTERFACE)
target_include_directories(keldra_platform INTERFACE "${PROJECT_SOURCE_DIR}/src")
target_link_libraries(keldra_platform INTERFACE
  user32 gdi32 comctl32 comdlg32 shell32 ole32 advapi32 kernel32)
