# The SQL console, the price-list import and the exports.
vexlof_add_test(test_hatarolt SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_hatarolt.cpp
  LIBS vexlof_eszkoz Qt6::Gui QuaZip::QuaZip)
vexlof_add_test(test_cikkimport SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_cikkimport.cpp
  LIBS vexlof_eszkoz QuaZip::QuaZip DB)
vexlof_add_test(test_sqlkonzol SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_sqlkonzol.cpp
  LIBS vexlof_admin DB WIDGETS)
vexlof_add_test(test_cikktorzsfrissit SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_cikktorzsfrissit.cpp
  LIBS vexlof_admin DB WIDGETS)
