# The warnings, sanitizers and hardening of every part of Tarnvel, the Plasma 5 plugin's own build too.
add_compile_options(-Wall -Wextra)
if(TARNVEL_WERROR)
  add_compile_options(-Werror)
endif()
if(TARNVEL_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# The hardening every Debian program gets: position-independent code, a stack protector, format
# checks, relocations made read-only at once, and, in optimised builds, fortified library calls
# (left out beside the sanitizers, which check the same calls their own way).
include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
if(NOT TARNVEL_SANITIZE)
  add_compile_options($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-D_FORTIFY_SOURCE=2>)
endif()
add_link_options(LINKER:-z,relro LINKER:-z,now)
