# Page renderer benchmark: measuring and fitting, drawing to a 300-dpi image, and PDF output.
if(benchmark_FOUND)
  add_executable(render_bench ${CMAKE_CURRENT_LIST_DIR}/render_bench.cpp)
  target_link_libraries(render_bench PRIVATE quorvex_core benchmark::benchmark)
endif()
