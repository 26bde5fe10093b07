# Flags that differ between the native build (logic and its tests) and the Windows build.
if(WIN32)
  set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  # A bare Windows 7 machine has none of our runtime DLLs.
  add_link_options(-static -static-libgcc -static-libstdc++)
  add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
else()
  option(SANITIZE "Build the native tests with AddressSanitizer and UBSan" ON)
  if(SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
  endif()
endif()

# A Windows GUI program with a wide-character entry point and the given file name.
function(add_windows_program target file_name)
  add_executable(${target} WIN32 ${ARGN})
  target_link_options(${target} PRIVATE -municode)
  set_target_properties(${target} PROPERTIES OUTPUT_NAME "${file_name}")
endfunction()
