# Playback: the MCI device wrapper over a portable MCI interface, and its Win32
# implementation (mciSendCommandA, the hidden notify window, short paths).
add_library(jukebox_playback_core STATIC
  playback/CMCICtrl.cpp
  playback/DuplicateIndex.cpp
  playback/MMCICtrl.cpp
  playback/PlaylistView.cpp
)
target_link_libraries(jukebox_playback_core PUBLIC jukebox_core)

if(WIN32)
  add_library(jukebox_playback_win32 STATIC
    playback/Win32Mci.cpp
    playback/Win32MciNotifyWindow.cpp
    playback/Win32PathNames.cpp
  )
  target_link_libraries(jukebox_playback_win32 PUBLIC jukebox_playback_core jukebox_win32 winmm user32)
endif()
