# Common compile settings for every target of the project.
add_library(quillbook_options INTERFACE)
target_compile_options(quillbook_options INTERFACE -Wall -Wextra -Wpedantic)
if(QUILLBOOK_WERROR)
  target_compile_options(quillbook_options INTERFACE -Werror)
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
if(QUILLBOOK_HARDENING AND NOT QUILLBOOK_SANITIZE AND NOT QUILLBOOK_BUILD_FUZZ)
  # The distribution's hardening: stack protection, checked string and memory functions where
  # the optimiser can see sizes, and a read-only, eagerly bound relocation table.
  target_compile_options(quillbook_options INTERFACE -fstack-protector-strong
    -fstack-clash-protection -Wformat -Werror=format-security
    $<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE> $<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>)
  if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64|i[3-6]86)$")
    target_compile_options(quillbook_options INTERFACE -fcf-protection)
  endif()
  target_link_options(quillbook_options INTERFACE -Wl,-z,relro -Wl,-z,now)
endif()
