# Warning flags shared by every target of the project.
add_library(indexer_warnings INTERFACE)
target_compile_options(indexer_warnings INTERFACE
  -Wall -Wextra -Wshadow -Wnon-virtual-dtor -Wcast-align -Wformat=2
  $<$<COMPILE_LANGUAGE:CXX>:-Woverloaded-virtual>)
