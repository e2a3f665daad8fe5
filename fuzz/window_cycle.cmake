# The window_cycle target drives the whole main window, so it needs Qt and
# every library of the program:
#  - inside the whole project: its corpus replay, linked to the window library;
#  - on its own with TENSORIUM_FUZZ (clang): the libFuzzer binary, over a copy
#    of the diagrams, chart, report and window libraries instrumented like the
#    core copy. Qt itself stays uninstrumented.
if(NOT CMAKE_SOURCE_DIR STREQUAL CMAKE_CURRENT_SOURCE_DIR)
  add_executable(window_cycle_corpus window_cycle_fuzz.cpp corpus_main.cpp)
  target_include_directories(window_cycle_corpus PRIVATE ${TENSORIUM_ROOT})
  target_link_libraries(window_cycle_corpus PRIVATE tensorium_app)
  add_test(NAME fuzz_corpus_window_cycle
           COMMAND window_cycle_corpus ${CMAKE_CURRENT_SOURCE_DIR}/corpus/window_cycle)
  # A cycle that never ends fails on the time limit.
  set_tests_properties(fuzz_corpus_window_cycle PROPERTIES TIMEOUT 120)
elseif(TENSORIUM_FUZZ AND CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets PrintSupport Svg Concurrent)
  set(CMAKE_AUTOMOC ON)
  set(CMAKE_AUTORCC ON)
  # Declared only to read their source lists; never built here.
  foreach(library IN ITEMS diagrams chart report app)
    add_subdirectory(${TENSORIUM_ROOT}/${library} ${library} EXCLUDE_FROM_ALL)
  endforeach()

  set(window_sources)
  foreach(library IN ITEMS tensorium_diagrams tensorium_chart tensorium_report tensorium_app)
    get_target_property(sources ${library} SOURCES)
    get_target_property(directory ${library} SOURCE_DIR)
    list(TRANSFORM sources PREPEND "${directory}/" REGEX "^[^/]")
    list(APPEND window_sources ${sources})
  endforeach()
  add_library(tensorium_window_fuzzing STATIC ${window_sources})
  target_include_directories(tensorium_window_fuzzing PUBLIC ${TENSORIUM_ROOT})
  # The sanitizers come with the instrumented core.
  target_compile_options(tensorium_window_fuzzing PRIVATE -fsanitize=fuzzer-no-link)
  target_link_libraries(tensorium_window_fuzzing PUBLIC tensorium_core_fuzzing
                        Qt6::Widgets Qt6::PrintSupport Qt6::Svg)

  add_executable(window_cycle_fuzz window_cycle_fuzz.cpp)
  target_compile_options(window_cycle_fuzz PRIVATE -fsanitize=fuzzer)
  target_link_options(window_cycle_fuzz PRIVATE -fsanitize=fuzzer)
  target_link_libraries(window_cycle_fuzz PRIVATE tensorium_window_fuzzing)
endif()
