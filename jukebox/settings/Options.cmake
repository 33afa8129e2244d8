# The options dialog's rules and the shell file associations: portable, over
# the registry store, the common choosers and the open windows. The dialog
# window itself is part of the program.
add_library(jukebox_options_logic STATIC
  ${CMAKE_CURRENT_LIST_DIR}/FileAssociations.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OptionsForm.cpp
)
target_link_libraries(jukebox_options_logic PUBLIC jukebox_console_core)

if(WIN32)
  add_library(jukebox_options_win32 STATIC
    ${CMAKE_CURRENT_LIST_DIR}/Win32FileAssociations.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmOptions.cpp
  )
  target_include_directories(jukebox_options_win32 PRIVATE ${CMAKE_CURRENT_LIST_DIR}/..)
  target_link_libraries(jukebox_options_win32 PUBLIC jukebox_options_logic jukebox_console_win32
                        comctl32 comdlg32 shell32)
endif()
