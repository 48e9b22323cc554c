# One INTERFACE target carries the language standard, the warnings, the code
# page of narrow literals and the Qt safety defines for every Tumbrix target.
add_library(tumbrix_common INTERFACE)
target_compile_features(tumbrix_common INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)

# Every text inside Tumbrix is GBK. Sources stay UTF-8; the compiler turns each
# plain "..." literal into GBK bytes, so "开始搜索" in the code is the GBK text.
# u"..." (UTF-16) and u8"..." (UTF-8) literals are left alone. The literal code
# page is GB18030, which writes every GBK character exactly as GBK does and also
# has a form for the few characters of system headers that GBK lacks (libstdc++
# spells "µs" in <chrono>); Tumbrix's own literals use GBK characters only.
target_compile_options(tumbrix_common INTERFACE
  -finput-charset=UTF-8 -fexec-charset=GB18030
  -Wall -Wextra)
if(TUMBRIX_WERROR)
  target_compile_options(tumbrix_common INTERFACE -Werror)
endif()

# No GBK byte string may turn into a QString by accident.
target_compile_definitions(tumbrix_common INTERFACE
  QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_CAST_FROM_BYTEARRAY)

include(TumbrixSanitizers)
