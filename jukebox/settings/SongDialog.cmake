# The song dialog (information, batch edit, find) and ID3 tag writing. The
# rules are portable over the engine; the window is a thin Win32 dialog.
add_library(jukebox_song_core STATIC
  ${CMAKE_CURRENT_LIST_DIR}/SongDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TagWriter.cpp
)
target_link_libraries(jukebox_song_core PUBLIC jukebox_engine_core)

if(WIN32)
  add_library(jukebox_song_win32 STATIC ${CMAKE_CURRENT_LIST_DIR}/frmSong.cpp)
  target_include_directories(jukebox_song_win32 PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(jukebox_song_win32 PUBLIC jukebox_song_core jukebox_console_win32
                        comctl32 user32 gdi32)
endif()
