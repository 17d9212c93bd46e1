# With INDEXER_SANITIZE every target is built and linked with AddressSanitizer and
# UndefinedBehaviorSanitizer; undefined behaviour aborts instead of only printing.
if(INDEXER_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
