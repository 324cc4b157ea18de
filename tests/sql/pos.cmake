# Point-of-sale views, procedures and seed rows of the schema script.
vexlof_add_test(test_eladas SOURCES test_eladas.cpp PosSeged.h LIBS vexlof_data DB)
vexlof_add_test(test_elojegyzes SOURCES test_elojegyzes.cpp PosSeged.h LIBS vexlof_data DB)
