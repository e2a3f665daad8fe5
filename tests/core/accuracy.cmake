# Accuracy of the principal stress solver, measured against Eigen's iterative
# self-adjoint eigen-solver. Eigen is used by this test only.
find_package(Eigen3 3.3 REQUIRED NO_MODULE)

add_executable(core_accuracy_tests ${CMAKE_CURRENT_SOURCE_DIR}/core/principal_accuracy_test.cpp)
target_link_libraries(core_accuracy_tests PRIVATE tensorium_core Eigen3::Eigen GTest::gtest_main)
target_include_directories(core_accuracy_tests PRIVATE ${PROJECT_SOURCE_DIR})
gtest_discover_tests(core_accuracy_tests)
