# Playback: the MCI device wrapper over a portable MCI interface, and its Win32
# implementation (mciSendCommandA, the hidden notify window, short paths); the
# file and print dialogs, printing and the shell's Recycle Bin and recent documents.
add_library(jukebox_playback_core STATIC
  playback/CMCICtrl.cpp
  playback/FileDialogText.cpp
  playback/MMCICtrl.cpp
  playback/PlaylistView.cpp
)
target_link_libraries(jukebox_playback_core PUBLIC jukebox_core)

# The engine drives the devices and the console's rows and wait cursor.
add_library(jukebox_engine_core STATIC
  playback/CJukeBox.cpp
  playback/CJukeBoxFiles.cpp
  playback/CJukeBoxPlaylist.cpp
  playback/DuplicateIndex.cpp
  playback/ShortPathBatch.cpp
)
target_link_libraries(jukebox_engine_core PUBLIC jukebox_playback_core jukebox_console_core)

if(WIN32)
  add_library(jukebox_playback_win32 STATIC
    playback/Win32FileDialogs.cpp
    playback/Win32Mci.cpp
    playback/Win32MciNotifyWindow.cpp
    playback/Win32PathNames.cpp
    playback/Win32PrintService.cpp
    playback/Win32Printer.cpp
    playback/Win32ShellService.cpp
  )
  target_link_libraries(jukebox_playback_win32 PUBLIC jukebox_playback_core jukebox_win32 winmm user32
                        gdi32 comdlg32 shell32 winspool)
endif()
