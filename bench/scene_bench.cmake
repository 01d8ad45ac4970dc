# Scene benchmark: rendered frames on a real window (run from the repository root, with a display).
add_executable(velkor_scene_bench ${CMAKE_CURRENT_LIST_DIR}/scene_bench.cpp)
target_compile_options(velkor_scene_bench PRIVATE -Wall -Wextra)
target_link_libraries(velkor_scene_bench PRIVATE velkor_app benchmark::benchmark)
