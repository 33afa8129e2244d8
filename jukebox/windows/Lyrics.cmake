# The lyrics window: its rules (the song's lyrics file shown, edited and saved
# through the file and message-box interfaces; the layout) are portable, the
# window is a thin modeless dialog over them.
add_library(jukebox_lyrics_core STATIC
  ${CMAKE_CURRENT_LIST_DIR}/LyricsEditor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LyricsLayout.cpp
)
target_link_libraries(jukebox_lyrics_core PUBLIC jukebox_core)

if(WIN32)
  add_library(jukebox_lyrics_win32 STATIC
    ${CMAKE_CURRENT_LIST_DIR}/frmLyrics.cpp
  )
  target_include_directories(jukebox_lyrics_win32 PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(jukebox_lyrics_win32 PUBLIC jukebox_lyrics_core jukebox_console_win32 user32 gdi32 comctl32)
endif()
