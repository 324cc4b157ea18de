# Login, users, the login log, the settings window and the item picker.
foreach(t test_login test_felhasznalo test_beallit)
  vexlof_add_test(${t} SOURCES ${t}.cpp LIBS vexlof_admin vexlof_masterdata DB WIDGETS)
endforeach()
