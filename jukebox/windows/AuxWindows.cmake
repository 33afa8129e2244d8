# The volume pop-up, the tips and the about windows. The volume scale, the
# hint draw, the tips layout and the version text are portable; the mixer and
# the windows are Win32.
add_library(jukebox_aux_core STATIC
  ${CMAKE_CURRENT_LIST_DIR}/CVolume.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TipsLayout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VersionText.cpp
)
target_include_directories(jukebox_aux_core PUBLIC ${CMAKE_SOURCE_DIR})

if(WIN32)
  add_library(jukebox_aux_win32 STATIC
    ${CMAKE_CURRENT_LIST_DIR}/Win32Mixer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmAbout.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmTips.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmVolume.cpp
  )
  target_include_directories(jukebox_aux_win32 PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(jukebox_aux_win32 PUBLIC jukebox_aux_core jukebox_console_win32 winmm
                        version comctl32 user32 gdi32)
endif()
