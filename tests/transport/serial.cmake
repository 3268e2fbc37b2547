# The serial ports' contract over Win32 COM ports, run under Wine as one ctest
# (labels e2e and contract); natively it runs over the in-memory ports, in the
# unit tests. Needs the GoogleTest targets of tests/toolkit.
add_executable(vorn-serial-contract ${CMAKE_CURRENT_LIST_DIR}/serial_contract.cpp
  ${CMAKE_CURRENT_LIST_DIR}/serial_win32_driver.cpp)
target_include_directories(vorn-serial-contract PRIVATE ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(vorn-serial-contract PRIVATE vorn_win32 gmock gtest_main)
add_test(NAME e2e.serial_contract COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/run_serial_contract.sh)
set_tests_properties(e2e.serial_contract PROPERTIES
  LABELS "e2e;contract"
  TIMEOUT 300
  ENVIRONMENT "VORN_BUILD=${CMAKE_BINARY_DIR};VORN_SOURCE=${CMAKE_SOURCE_DIR}")
