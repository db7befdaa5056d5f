# One interface target carries the warning flags, so every target of the
# project is built with the same strictness.
add_library(kulko_warnings INTERFACE)
target_compile_options(kulko_warnings INTERFACE -Wall -Wextra -Wpedantic)
if(KULKO_WERROR)
    target_compile_options(kulko_warnings INTERFACE -Werror)
endif()

# Sanitizers are applied to everything, Qt code included, when asked for.
if(KULKO_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                        -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()
