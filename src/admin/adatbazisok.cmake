# Database connections, backup and restore.
find_package(QuaZip-Qt6 REQUIRED)
target_sources(vexlof_admin PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/KapcsolatTar.h ${CMAKE_CURRENT_LIST_DIR}/KapcsolatTar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TarhelyModel.h ${CMAKE_CURRENT_LIST_DIR}/TarhelyModel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Mentes.h ${CMAKE_CURRENT_LIST_DIR}/Mentes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Visszaallitas.h ${CMAKE_CURRENT_LIST_DIR}/Visszaallitas.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TeljesMentes.h ${CMAKE_CURRENT_LIST_DIR}/TeljesMentes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RegiAdatok.h ${CMAKE_CURRENT_LIST_DIR}/RegiAdatok.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AdatbazisNyit.h ${CMAKE_CURRENT_LIST_DIR}/AdatbazisNyit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Init.h ${CMAKE_CURRENT_LIST_DIR}/Init.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Adatbazisok_Szerkeszt.h ${CMAKE_CURRENT_LIST_DIR}/Adatbazisok_Szerkeszt.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Adatbazisok.h ${CMAKE_CURRENT_LIST_DIR}/Adatbazisok.cpp
)
target_link_libraries(vexlof_admin PUBLIC QuaZip::QuaZip)
