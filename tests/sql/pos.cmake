# Point-of-sale views, procedures and seed rows of the schema script.
vexlof_add_test(test_eladas SOURCES test_eladas.cpp PosSeged.h LIBS vexlof_data DB)
vexlof_add_test(test_elojegyzes SOURCES test_elojegyzes.cpp PosSeged.h LIBS vexlof_data DB)
vexlof_add_test(test_hitelbonusz SOURCES test_hitelbonusz.cpp PosSeged.h LIBS vexlof_data DB)
vexlof_add_test(test_napzar SOURCES test_napzar.cpp PosSeged.h LIBS vexlof_data DB)
vexlof_add_test(test_posseema SOURCES test_posseema.cpp PosSeged.h LIBS vexlof_data DB)
