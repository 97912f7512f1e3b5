# The version of the plug-in and its tools: the project's version is the one
# source. Windows targets get a VERSIONINFO resource from one template;
# version_info.h gives the same fields to the native build.
set(ZUVO_PRODUCT_NAME "ZUVO Companion")
set(ZUVO_PLUGIN_DESCRIPTION "ZUVO Companion plug-in for Kesto")
set(ZUVO_LEGAL_COPYRIGHT "Copyright (C) 2026 the ZUVO Companion developers")

configure_file(${CMAKE_SOURCE_DIR}/cmake/version_info.h.in ${CMAKE_BINARY_DIR}/generated/version_info.h @ONLY)
# For scripts: the version alone.
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/version.txt CONTENT "@PROJECT_VERSION@\n" @ONLY)

# add_version_resource(TARGET DESCRIPTION FILE_NAME VFT_APP|VFT_DLL)
function(add_version_resource target description file_name file_type)
  set(VERSION_DESCRIPTION "${description}")
  set(VERSION_FILE_NAME "${file_name}")
  set(VERSION_FILE_TYPE "${file_type}")
  set(resource ${CMAKE_BINARY_DIR}/generated/${target}_version.rc)
  configure_file(${CMAKE_SOURCE_DIR}/cmake/version.rc.in ${resource} @ONLY)
  target_sources(${target} PRIVATE ${resource})
endfunction()
