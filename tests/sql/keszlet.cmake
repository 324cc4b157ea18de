# Stock procedures, report procedures and the demo data.
vexlof_add_test(test_sql_keszlet SOURCES test_keszlet.cpp LIBS vexlof_data DB)
vexlof_add_test(test_sql_riport SOURCES test_riport.cpp LIBS vexlof_data DB)
vexlof_add_test(test_sql_demo SOURCES test_demo.cpp LIBS vexlof_data DB)
