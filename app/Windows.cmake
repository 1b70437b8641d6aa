# torvi.exe: the windows on the Win32 binding, with the icon, the pictures and the version as
# resources. ImageMagick turns the PNG artwork into the bitmaps and the icon Windows reads.
find_program(CONVERT convert REQUIRED)
set(artwork ${CMAKE_CURRENT_BINARY_DIR}/artwork)
set(ICON ${artwork}/torvi.ico)
set(LOGO ${artwork}/logo.bmp)
set(THERMOMETER ${artwork}/thermometer.bmp)
set(SMALL_ICON ${artwork}/torvi-32.bmp)
set(resources ${CMAKE_CURRENT_SOURCE_DIR}/resources)
set(MANIFEST ${CMAKE_CURRENT_SOURCE_DIR}/torvi.manifest)
# Transparent parts take the button face of the windows that show the pictures.
set(flatten -background "rgb(192,192,192)" -flatten -type TrueColor)
add_custom_command(
  OUTPUT ${ICON} ${LOGO} ${THERMOMETER} ${SMALL_ICON}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${artwork}
  COMMAND ${CONVERT} ${resources}/torvi-32.png ${ICON}
  COMMAND ${CONVERT} ${resources}/logo.png ${flatten} BMP3:${LOGO}
  COMMAND ${CONVERT} ${resources}/thermometer.png ${flatten} BMP3:${THERMOMETER}
  COMMAND ${CONVERT} ${resources}/torvi-32.png ${flatten} BMP3:${SMALL_ICON}
  DEPENDS ${resources}/torvi-32.png ${resources}/logo.png ${resources}/thermometer.png
  VERBATIM)
configure_file(torvi.rc.in ${CMAKE_CURRENT_BINARY_DIR}/torvi.rc @ONLY)
add_executable(torvi WIN32 win32_main.cpp ${CMAKE_CURRENT_BINARY_DIR}/torvi.rc
                     ${ICON} ${LOGO} ${THERMOMETER} ${SMALL_ICON})
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/torvi.rc PROPERTIES OBJECT_DEPENDS
                                                                  ${MANIFEST})
target_link_libraries(torvi PRIVATE torvi_entry win32)
target_link_options(torvi PRIVATE -municode)

# The installer: "cpack -G NSIS" in the build folder makes Torvi-1.0-win64.exe with the program,
# a Start menu entry, the licence page and an uninstaller in Add/Remove Programs.
install(TARGETS torvi RUNTIME DESTINATION bin)
set(CPACK_GENERATOR NSIS)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_NAME Torvi)
set(CPACK_PACKAGE_VENDOR "The Torvi project")
set(CPACK_PACKAGE_FILE_NAME "Torvi-${PROJECT_VERSION}-win64")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Torvi)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_EXECUTABLES torvi Torvi)
set(CPACK_NSIS_DISPLAY_NAME "Torvi ${PROJECT_VERSION}")
set(CPACK_NSIS_PACKAGE_NAME "Torvi ${PROJECT_VERSION}")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_INSTALLED_ICON_NAME bin\\\\torvi.exe)
# Debian's makensis makes a 32-bit installer unless told otherwise; the program is 64-bit.
set(CPACK_NSIS_DEFINES "Target amd64-unicode\n!include `${CMAKE_CURRENT_SOURCE_DIR}/installer.nsh`")
# Neither installs nor removes anything while Torvi runs; Add/Remove Programs learns the size,
# the place and the quiet uninstall command.
set(CPACK_NSIS_EXTRA_PREINSTALL_COMMANDS "!insertmacro TorviCloseFirst")
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS
    "!insertmacro TorviRegisterInstallation\n!insertmacro TorviAssociateExercises")
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS
    "!insertmacro TorviCloseFirst\n!insertmacro TorviForgetExercises")
# The licence beside the program.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
include(CPack)
