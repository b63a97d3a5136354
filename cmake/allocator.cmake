# The shipped programs link jemalloc: conversions are allocation-heavy and
# split over two threads. The sanitizers bring their own allocator, so those
# builds keep the default one.
option(CORVANE_FAST_ALLOCATOR "Link the programs with jemalloc (never in sanitizer or fuzz builds)" ON)
set(CORVANE_USES_JEMALLOC OFF)
if(CORVANE_FAST_ALLOCATOR AND NOT CORVANE_SANITIZE AND NOT CORVANE_FUZZ)
  find_library(CORVANE_JEMALLOC_LIBRARY NAMES jemalloc)
  if(NOT CORVANE_JEMALLOC_LIBRARY)
    corvane_missing("jemalloc" libjemalloc-dev)
  endif()
  set(CORVANE_USES_JEMALLOC ON)
endif()

function(corvane_use_fast_allocator target)
  if(CORVANE_USES_JEMALLOC)
    target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/platform/allocator/allocator_settings.cpp)
    target_link_libraries(${target} PRIVATE ${CORVANE_JEMALLOC_LIBRARY})
  endif()
endfunction()
