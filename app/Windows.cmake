# torvi.exe: the windows on the Win32 binding, with the icon, the pictures and the version as
# resources. ImageMagick turns the PNG artwork into the bitmaps and the icon Windows reads.
find_program(CONVERT convert REQUIRED)
set(artwork ${CMAKE_CURRENT_BINARY_DIR}/artwork)
set(ICON ${artwork}/torvi.ico)
set(LOGO ${artwork}/logo.bmp)
set(THERMOMETER ${artwork}/thermometer.bmp)
set(SMALL_ICON ${artwork}/torvi-32.bmp)
set(resources ${CMAKE_CURRENT_SOURCE_DIR}/resources)
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
add_executable(torvi WIN32 windows_main.cpp command_line.cpp ${CMAKE_CURRENT_BINARY_DIR}/torvi.rc
                     ${ICON} ${LOGO} ${THERMOMETER} ${SMALL_ICON})
target_link_libraries(torvi PRIVATE shell ui_win32 cli11)
target_link_options(torvi PRIVATE -municode)
