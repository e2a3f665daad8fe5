# Accuracy of the user coordinate system and of the stresses on a joint,
# measured against the defining formulas evaluated with Eigen. Eigen is used
# by this test only.
find_package(Eigen3 3.3 REQUIRED NO_MODULE)

add_executable(core_transform_accuracy_tests
  ${CMAKE_CURRENT_SOURCE_DIR}/core/transform_accuracy_test.cpp)
target_link_libraries(core_transform_accuracy_tests
  PRIVATE tensorium_core Eigen3::Eigen GTest::gtest_main)
gtest_discover_tests(core_transform_accuracy_tests)
