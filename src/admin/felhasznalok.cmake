# Users, login, the login log and the settings window.
target_sources(vexlof_admin PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Azonositas.h ${CMAKE_CURRENT_LIST_DIR}/Azonositas.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FelhasznaloAdat.h ${CMAKE_CURRENT_LIST_DIR}/FelhasznaloAdat.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BeallitSor.h ${CMAKE_CURRENT_LIST_DIR}/BeallitSor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BelepesiNaplo.h ${CMAKE_CURRENT_LIST_DIR}/BelepesiNaplo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Login.h ${CMAKE_CURRENT_LIST_DIR}/Login.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Felhasznalo.h ${CMAKE_CURRENT_LIST_DIR}/Felhasznalo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FelhasznaloSzerkeszt.h ${CMAKE_CURRENT_LIST_DIR}/FelhasznaloSzerkeszt.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Beallit.h ${CMAKE_CURRENT_LIST_DIR}/Beallit.cpp
)
target_link_libraries(vexlof_admin PUBLIC Qt6::Network)
