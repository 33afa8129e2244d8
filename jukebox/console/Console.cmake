# Start-up and window utilities of the jukebox console: long paths, single
# instance, desktop shell, recent albums, tray icon, window placement and
# moving, wait cursor, folder search, the playlist and tree views. The rules are
# portable; the Win32 side replaces window procedures and talks to the shell,
# menus, cursor, common controls, file system and message queue.
add_library(jukebox_console_core STATIC
  ${CMAKE_CURRENT_LIST_DIR}/CFormUtils.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CRecentFiles.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CWaitCursor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HandOverQueue.cpp
  ${CMAKE_CURRENT_LIST_DIR}/IconCacheKey.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ListLayout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LongPath.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MediaKeys.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MFindFile.cpp
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
    ${CMAKE_CURRENT_LIST_DIR}/MSingleInstance.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SystemLibraries.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Win32BrowseForFolder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Win32DesktopShell.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Win32DirectoryListing.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Win32FormWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Win32MediaHotKeys.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Win32MessagePump.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Win32MousePointer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Win32RecentMenu.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Win32SortKey.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Win32WindowHook.cpp
  )
  target_link_libraries(jukebox_console_win32 PUBLIC jukebox_console_core jukebox_win32 user32 gdi32 shell32 ole32 comctl32)
  # The one source of the build's version: the version resource reads the four
  # fields, the single-instance names end in the revision.
  target_compile_definitions(jukebox_console_win32 PUBLIC
    BRAMBLETUNE_VERSION_MAJOR=${PROJECT_VERSION_MAJOR}
    BRAMBLETUNE_VERSION_MINOR=${PROJECT_VERSION_MINOR}
    BRAMBLETUNE_VERSION_PATCH=${PROJECT_VERSION_PATCH}
    BRAMBLETUNE_REVISION=${PROJECT_VERSION_TWEAK})
endif()

# What the console does for each command, key, label and drop, and its layout
# rules: portable, over the engine and a small interface of the window.
add_library(jukebox_console_logic STATIC
  ${CMAKE_CURRENT_LIST_DIR}/AddFolderSearch.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CommandLine.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ConsoleCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ConsoleLayout.cpp
)
target_link_libraries(jukebox_console_logic PUBLIC jukebox_engine_core)
