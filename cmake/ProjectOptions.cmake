# Compiler settings shared by every target of our own.

# Narrow literals are the program's GBK byte strings.
add_library(varnelle_options INTERFACE)
if(MSVC)
  target_compile_options(varnelle_options INTERFACE
    /W4 /WX /source-charset:utf-8 /execution-charset:.936)
else()
  target_compile_options(varnelle_options INTERFACE
    -Wall -Wextra -Werror -fexec-charset=GBK -finput-charset=UTF-8)
endif()

if(WIN32)
  target_compile_definitions(varnelle_options INTERFACE
    WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
  if(MINGW)
    target_link_options(varnelle_options INTERFACE -static -static-libgcc -static-libstdc++)
  endif()
endif()

# The host build of the plain logic and its tests runs under ASan and UBSan;
# benchmarks use a build without them (VARNELLE_SANITIZE=OFF).
option(VARNELLE_SANITIZE "Build with AddressSanitizer and UBSan (host only)" ON)
if(VARNELLE_SANITIZE AND NOT WIN32 AND NOT MSVC)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# A test executable of our own, built against GoogleTest.
function(varnelle_gtest target)
  add_executable(${target} ${ARGN})
  target_link_libraries(${target} PRIVATE varnelle_options gtest gtest_main)
  if(MINGW)
    # MinGW's gtest needs the posix threads it was built with.
    target_link_libraries(${target} PRIVATE -Wl,-Bstatic -lpthread)
  endif()
endfunction()
