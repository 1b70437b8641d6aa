# The page: torvi.js and torvi.wasm from the program on the browser's binding, beside index.html
# and the pictures, in build/web/site, a static folder for any web server; and torvi.html, the
# same page as one file that works when opened from disk.
set(site ${PROJECT_BINARY_DIR}/site)
add_executable(torvi_web web_main.cpp)
target_link_libraries(torvi_web PRIVATE shell web)
set_target_properties(torvi_web PROPERTIES OUTPUT_NAME torvi RUNTIME_OUTPUT_DIRECTORY ${site})
# Whatever the build type, the page is linked small and without debug information. Asyncify lets
# a handler wait for its message box to be answered.
target_link_options(torvi_web PRIVATE -sEXPORTED_FUNCTIONS=_main,_malloc,_free
                    -sALLOW_MEMORY_GROWTH=1 -sASYNCIFY -Oz -g0)
foreach(file index.html torvi.css)
  configure_file(web/${file} ${site}/${file} COPYONLY)
endforeach()
foreach(picture logo.png thermometer.png torvi-32.png)
  configure_file(resources/${picture} ${site}/${picture} COPYONLY)
endforeach()

# The single file: the program linked with its WebAssembly inside the script, then everything
# inlined into the page.
add_executable(torvi_single web_main.cpp)
target_link_libraries(torvi_single PRIVATE shell web)
set_target_properties(torvi_single PROPERTIES OUTPUT_NAME torvi-single RUNTIME_OUTPUT_DIRECTORY
                                              ${PROJECT_BINARY_DIR}/single)
target_link_options(torvi_single PRIVATE -sEXPORTED_FUNCTIONS=_main,_malloc,_free
                    -sALLOW_MEMORY_GROWTH=1 -sASYNCIFY -Oz -g0 -sSINGLE_FILE=1)
add_custom_command(
  OUTPUT ${PROJECT_BINARY_DIR}/torvi.html
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/web/make-single-file ${site}
          ${PROJECT_BINARY_DIR}/single/torvi-single.js ${PROJECT_BINARY_DIR}/torvi.html
  DEPENDS torvi_single ${CMAKE_CURRENT_SOURCE_DIR}/web/make-single-file
          ${CMAKE_CURRENT_SOURCE_DIR}/web/index.html ${CMAKE_CURRENT_SOURCE_DIR}/web/torvi.css
  VERBATIM)
add_custom_target(torvi_html ALL DEPENDS ${PROJECT_BINARY_DIR}/torvi.html)
