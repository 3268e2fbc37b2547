# The release zip: Vorn.exe with the Windows user's README and an example
# station list, nothing else (the helpers and the stand-in install nothing).
# cmake --build --preset windows --target package
install(TARGETS Vorn RUNTIME DESTINATION .)
install(FILES ${CMAKE_SOURCE_DIR}/dist/README.txt ${CMAKE_SOURCE_DIR}/dist/Stations.txt
        DESTINATION .)

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(VORN_PLATFORM win64)
else()
  set(VORN_PLATFORM win32)
endif()
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Vorn)
set(CPACK_PACKAGE_VENDOR "The Vorn developers")
set(CPACK_PACKAGE_FILE_NAME "Vorn-${PROJECT_VERSION}-${VORN_PLATFORM}")
# Explorer's "Extract All" makes the folder itself.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_STRIP_FILES ON)
include(CPack)
