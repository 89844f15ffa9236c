# Which folder builds what. Portable code is foo.cpp; its Win32 implementation sits beside it as
# foo_win32.cpp and is compiled only into the Windows build. New files are picked up on the next build.

set(core_globs robot/*.cpp runner/*.cpp engine/*.cpp builtins/*.cpp)
file(GLOB core_sources CONFIGURE_DEPENDS ${core_globs})
if(NOT WIN32)
  list(FILTER core_sources EXCLUDE REGEX "_win32\\.cpp$")
endif()
add_library(morvanta_core STATIC ${core_sources})
target_include_directories(morvanta_core PUBLIC ${CMAKE_SOURCE_DIR})
if(WIN32)
  target_link_libraries(morvanta_core PUBLIC user32 gdi32 comctl32 comdlg32 shell32 shlwapi ole32 oleaut32
                        uuid advapi32 winmm wininet mpr psapi ws2_32 iphlpapi version)
endif()

# morvanta-script: runs one script or robot file from the command line.
add_executable(morvanta-script cli/morvanta_script.cpp)
target_link_libraries(morvanta-script PRIVATE morvanta_core)

if(WIN32)
  file(GLOB app_sources CONFIGURE_DEPENDS app/*.cpp editor/*.cpp recorder/*.cpp schedule/*.cpp res/*.rc)
  if(app_sources)
    add_executable(morvanta WIN32 ${app_sources})
    # The resource compiler reads the pictures itself: a changed picture must rebuild the resources.
    file(GLOB resource_pictures CONFIGURE_DEPENDS res/*.ico res/bitmaps/*)
    set_source_files_properties(res/morvanta.rc PROPERTIES OBJECT_DEPENDS "${resource_pictures}")
    target_link_libraries(morvanta PRIVATE morvanta_core)
    target_include_directories(morvanta PRIVATE ${CMAKE_SOURCE_DIR}/res)
    # The start-up tips and the HTML manual are read from beside the executable.
    add_custom_command(TARGET morvanta POST_BUILD
                       COMMAND ${CMAKE_COMMAND} -E copy_if_different
                               ${CMAKE_SOURCE_DIR}/res/tips.txt $<TARGET_FILE_DIR:morvanta>/tips.txt
                       COMMAND ${CMAKE_COMMAND} -E copy_directory
                               ${CMAKE_SOURCE_DIR}/res/Help $<TARGET_FILE_DIR:morvanta>/Help)
  endif()

  file(GLOB hook_sources CONFIGURE_DEPENDS recorder/hook/*.cpp)
  if(hook_sources)
    add_library(automation SHARED ${hook_sources})
    set_target_properties(automation PROPERTIES PREFIX "")
    target_link_libraries(automation PRIVATE user32)
  endif()
endif()
