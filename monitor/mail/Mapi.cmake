# Simple MAPI sending: the portable sender over the MapiApi interface, and on
# Windows the library loaded by name at run time (no import library).
add_library(monitor_mapi_core STATIC
  ${CMAKE_CURRENT_LIST_DIR}/MapiErrors.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MapiMailer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TRzSendMessage.cpp
)
target_include_directories(monitor_mapi_core PUBLIC ${CMAKE_SOURCE_DIR})

if(WIN32)
  add_library(monitor_mapi STATIC
    ${CMAKE_CURRENT_LIST_DIR}/MapiLibrary.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MapiWin32Cursor.cpp
  )
  target_link_libraries(monitor_mapi PUBLIC monitor_mapi_core)
endif()
