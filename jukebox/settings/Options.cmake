# The options dialog's rules and the shell file associations: portable, over
# the registry store, the common choosers and the open windows. The dialog
# window itself is part of the program.
add_library(jukebox_options_logic STATIC
  ${CMAKE_CURRENT_LIST_DIR}/FileAssociations.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OptionsForm.cpp
)
target_link_libraries(jukebox_options_logic PUBLIC jukebox_console_core)
