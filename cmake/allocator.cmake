# The shipped programs link jemalloc where it is installed: conversions are
# allocation-heavy and split over two threads. The sanitizers bring their own
# allocator, so those builds keep the default one.
find_library(CORVANE_JEMALLOC NAMES jemalloc)
function(corvane_use_fast_allocator target)
  if(CORVANE_JEMALLOC AND NOT CORVANE_SANITIZE AND NOT CORVANE_FUZZ)
    target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/platform/allocator/allocator_settings.cpp)
    target_link_libraries(${target} PRIVATE ${CORVANE_JEMALLOC})
  endif()
endfunction()
