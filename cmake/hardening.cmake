# Hardening for the optimised builds that are shipped: checked buffer
# functions, stack protectors, and a read-only relocation table resolved at
# start-up. Debug and instrumented builds keep plain flags, since
# _FORTIFY_SOURCE needs optimisation and the sanitizers already check more.
if(NOT CORVANE_SANITIZE AND NOT CORVANE_FUZZ)
  set(corvane_optimised $<NOT:$<CONFIG:Debug>>)
  add_compile_options($<${corvane_optimised}:-D_FORTIFY_SOURCE=2> $<${corvane_optimised}:-fstack-protector-strong>)
  add_link_options($<${corvane_optimised}:LINKER:-z,relro,-z,now>)
endif()
