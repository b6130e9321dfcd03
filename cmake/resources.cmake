# The program's resources (icon, manifest, version information), configured with the project's
# version into the build folder. KT_RESOURCE_FILE names the resource script to compile.
set(KT_RESOURCE_DIR ${PROJECT_SOURCE_DIR}/app/resources)
set(KT_MANIFEST_FILE ${PROJECT_BINARY_DIR}/app/korvane-tevra.manifest)
set(KT_RESOURCE_FILE ${PROJECT_BINARY_DIR}/app/korvane-tevra.rc)
configure_file(${KT_RESOURCE_DIR}/korvane-tevra.manifest.in ${KT_MANIFEST_FILE} @ONLY)
configure_file(${KT_RESOURCE_DIR}/korvane-tevra.rc.in ${KT_RESOURCE_FILE} @ONLY)
# The resource compiler reports no dependencies: a changed icon or manifest must rebuild the
# resources. Source file properties hold in the folder that sets them: each folder whose targets
# list the script calls this.
macro(kt_resources_depend_on_their_files)
  set_source_files_properties(${KT_RESOURCE_FILE} PROPERTIES
    OBJECT_DEPENDS "${KT_RESOURCE_DIR}/korvane-tevra.ico;${KT_MANIFEST_FILE}")
endmacro()
