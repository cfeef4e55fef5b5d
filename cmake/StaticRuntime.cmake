# The Windows build links the C and C++ runtimes statically so the .exe runs on a bare Windows.
if(WIN32)
  if(MSVC)
    set(CMAKE_MSVC_RUNTIME_LIBRARY "MultiThreaded$<$<CONFIG:Debug>:Debug>")
  else()
    add_link_options(-static -static-libgcc -static-libstdc++)
  endif()
  add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
endif()
