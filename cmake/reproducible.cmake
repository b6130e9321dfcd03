# The same sources give the same Windows files wherever they are built: no folder names in the
# objects (__FILE__ and debug information name files relative to the source and build folders)
# and no link time stamp in the PE header.
add_compile_options("$<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${PROJECT_SOURCE_DIR}/=>"
                    "$<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${PROJECT_BINARY_DIR}/=>")
add_link_options(-Wl,--no-insert-timestamp)
