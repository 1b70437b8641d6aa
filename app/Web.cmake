# The page: torvi.js and torvi.wasm from the program on the browser's binding, beside index.html
# and the pictures, in build/web/site, a static folder for any web server.
set(site ${PROJECT_BINARY_DIR}/site)
add_executable(torvi_web web_main.cpp)
target_link_libraries(torvi_web PRIVATE shell web)
set_target_properties(torvi_web PROPERTIES OUTPUT_NAME torvi RUNTIME_OUTPUT_DIRECTORY ${site})
target_link_options(torvi_web PRIVATE -sEXPORTED_FUNCTIONS=_main,_malloc,_free
                    -sALLOW_MEMORY_GROWTH=1)
foreach(file index.html torvi.css)
  configure_file(web/${file} ${site}/${file} COPYONLY)
endforeach()
foreach(picture logo.png thermometer.png torvi-32.png)
  configure_file(resources/${picture} ${site}/${picture} COPYONLY)
endforeach()
