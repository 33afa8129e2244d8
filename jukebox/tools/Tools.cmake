# The run command's demo album: generated tones and an album written by the
# jukebox's own album writer.
add_library(jukebox_demo_album STATIC
  ${CMAKE_CURRENT_LIST_DIR}/DemoAlbum.cpp
)
target_link_libraries(jukebox_demo_album PUBLIC jukebox_core)

if(WIN32)
  add_executable(MakeDemoAlbum ${CMAKE_CURRENT_LIST_DIR}/MakeDemoAlbum.cpp)
  target_link_libraries(MakeDemoAlbum PRIVATE jukebox_demo_album jukebox_win32)
endif()
