# The Debian package of this build folder, built once into package/ and
# checked: its contents and dependencies, the desktop entry, the AppStream
# metadata, the exercise file type, and the unpacked program starting.
set(TENSORIUM_PACKAGE_DIR ${CMAKE_CURRENT_BINARY_DIR}/package)
add_test(NAME package_build
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/packaging/build_package.sh ${CMAKE_BINARY_DIR} ${TENSORIUM_PACKAGE_DIR})
set_tests_properties(package_build PROPERTIES FIXTURES_SETUP package LABELS package TIMEOUT 600)
foreach(check contents desktop metainfo mime starts)
  add_test(NAME package_${check}
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/packaging/check_package.sh ${TENSORIUM_PACKAGE_DIR} ${check})
  set_tests_properties(package_${check} PROPERTIES FIXTURES_REQUIRED package LABELS package TIMEOUT 120)
endforeach()
