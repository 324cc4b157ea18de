# Database connections, backup and restore.
vexlof_add_test(test_kapcsolattar SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_kapcsolattar.cpp
  LIBS vexlof_admin)
vexlof_add_test(test_adatbazismentes SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_adatbazismentes.cpp
  LIBS vexlof_admin DB)
vexlof_add_test(test_adatbazisablakok SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_adatbazisablakok.cpp
  LIBS vexlof_admin DB WIDGETS)
