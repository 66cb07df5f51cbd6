# Common compile settings for every target of the project.
add_library(quillbook_options INTERFACE)
target_compile_options(quillbook_options INTERFACE -Wall -Wextra -Wpedantic)
if(QUILLBOOK_WERROR)
  # GCC 12 reports false positives for these two inside the standard library at -O3
  # (std::string and std::variant copies); they stay warnings, never errors.
  target_compile_options(quillbook_options INTERFACE -Werror
    -Wno-error=restrict -Wno-error=maybe-uninitialized)
endif()
target_compile_definitions(quillbook_options INTERFACE
  QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_URL_CAST_FROM_STRING)
if(QUILLBOOK_SANITIZE)
  target_compile_options(quillbook_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(quillbook_options INTERFACE -fsanitize=address,undefined)
endif()
if(QUILLBOOK_BUILD_FUZZ)
  # Every library a fuzz target links is instrumented for the fuzzer's coverage and checked
  # by the same sanitizers; the targets add the fuzzer's own main.
  target_compile_options(quillbook_options INTERFACE
    -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
    -fno-omit-frame-pointer)
endif()
