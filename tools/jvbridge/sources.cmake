# The bridge's portable logic: built natively for its tests and into the
# Windows program.
set(JVBRIDGE_LOGIC_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/bridge_command.cpp
  ${CMAKE_CURRENT_LIST_DIR}/feed_file_naming.cpp
  ${CMAKE_CURRENT_LIST_DIR}/staged_feed_files.cpp
  ${CMAKE_CURRENT_LIST_DIR}/read_loop.cpp
  ${CMAKE_CURRENT_LIST_DIR}/jv_calls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/acquisition_run.cpp
  ${CMAKE_CURRENT_LIST_DIR}/realtime_run.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_run.cpp
  ${CMAKE_CURRENT_LIST_DIR}/stream_run.cpp)
