# TUMBRIX_SANITIZE=address builds with AddressSanitizer + UndefinedBehaviorSanitizer,
# TUMBRIX_SANITIZE=thread with ThreadSanitizer. Configuration stops when the
# compiler cannot honour the request, so a "sanitizer run" is never a plain run.
include(CheckCXXSourceCompiles)

if(TUMBRIX_SANITIZE STREQUAL "")
  return()
elseif(TUMBRIX_SANITIZE STREQUAL "address")
  set(_san_flags -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
elseif(TUMBRIX_SANITIZE STREQUAL "thread")
  set(_san_flags -fsanitize=thread -fno-omit-frame-pointer)
else()
  message(FATAL_ERROR "TUMBRIX_SANITIZE must be empty, 'address' or 'thread', not '${TUMBRIX_SANITIZE}'")
endif()

set(CMAKE_REQUIRED_FLAGS "${_san_flags}")
string(REPLACE ";" " " CMAKE_REQUIRED_FLAGS "${CMAKE_REQUIRED_FLAGS}")
set(CMAKE_REQUIRED_LINK_OPTIONS ${_san_flags})
check_cxx_source_compiles("int main() { return 0; }" TUMBRIX_SANITIZER_WORKS_${TUMBRIX_SANITIZE})
unset(CMAKE_REQUIRED_FLAGS)
unset(CMAKE_REQUIRED_LINK_OPTIONS)
if(NOT TUMBRIX_SANITIZER_WORKS_${TUMBRIX_SANITIZE})
  message(FATAL_ERROR "The compiler cannot build with ${_san_flags}")
endif()

target_compile_options(tumbrix_common INTERFACE ${_san_flags})
target_link_options(tumbrix_common INTERFACE ${_san_flags})
target_compile_definitions(tumbrix_common INTERFACE TUMBRIX_SANITIZER="${TUMBRIX_SANITIZE}")
message(STATUS "Tumbrix sanitizer build: ${TUMBRIX_SANITIZE} (${_san_flags})")
