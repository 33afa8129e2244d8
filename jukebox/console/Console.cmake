# Window utilities of the jukebox console: recent albums, tray icon, window
# placement and moving, wait cursor, the playlist and tree views. The rules
# are portable; the Win32 side replaces window procedures and talks to the
# shell, menus, cursor and common controls.
add_library(jukebox_console_core STATIC
  ${CMAKE_CURRENT_LIST_DIR}/CFormUtils.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CRecentFiles.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CWaitCursor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/IconCacheKey.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ListLayout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PlaylistRows.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WindowGeometry.cpp
)
target_link_libraries(jukebox_console_core PUBLIC jukebox_playback_core)

if(WIN32)
  add_library(jukebox_console_win32 STATIC
    ${CMAKE_CURRENT_LIST_DIR}/CListView.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CTrayIcon.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CTreeView.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ListImages.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Win32FormWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Win32MousePointer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Win32RecentMenu.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Win32SortKey.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Win32WindowHook.cpp
  )
  target_link_libraries(jukebox_console_win32 PUBLIC jukebox_console_core jukebox_win32 user32 gdi32 shell32 comctl32)
endif()
