# Automatic backups (the program's own local server lives in src/data).
target_sources(vexlof_admin PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/AutoMentes.h ${CMAKE_CURRENT_LIST_DIR}/AutoMentes.cpp
)
