# klaxora_embedded_module(<module target> <image source variable>): builds the MODULE target so that a
# program can carry it inside itself (src/app/embedded_module.h): only its entry points are exported, and
# its debugging information stays out of the program's copy. The variable receives a source file that
# places the module's file between <module target>_begin and <module target>_end; whoever compiles it
# must depend on the module target.
function(klaxora_embedded_module target image_source)
  set(KLAXORA_MODULE_FILE ${CMAKE_CURRENT_BINARY_DIR}/${target}.so)
  set(KLAXORA_MODULE_SYMBOL ${target})
  target_link_options(${target} PRIVATE -Wl,--exclude-libs,ALL -Wl,--strip-debug)
  set_target_properties(${target} PROPERTIES
    PREFIX "" OUTPUT_NAME ${target} SUFFIX .so
    LIBRARY_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
  set(image ${CMAKE_CURRENT_BINARY_DIR}/${target}_image.cpp)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/module_image.cpp.in ${image} @ONLY)
  set_source_files_properties(${image} PROPERTIES OBJECT_DEPENDS ${KLAXORA_MODULE_FILE})
  set(${image_source} ${image} PARENT_SCOPE)
endfunction()
