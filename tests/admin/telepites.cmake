# The local database of a salon with one computer (its own private server).
vexlof_add_test(test_helyiadatbazis SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_helyiadatbazis.cpp
  LIBS vexlof_admin WIDGETS)
# Automatic backups at day close and at exit.
vexlof_add_test(test_automentes SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_automentes.cpp
  LIBS vexlof_admin DB)
