# The schema and the program on a replicated cluster (MariaDB Galera).
vexlof_add_test(test_furtsema SOURCES test_furtsema.cpp LIBS vexlof_data DB)
# Starts its own three-node cluster (about 20 s on two idle cores); skipped
# with the reason when galera-4, rsync or the state-transfer scripts are
# missing.
vexlof_add_test(test_furt SOURCES test_furt.cpp LIBS vexlof_data)
set_tests_properties(test_furt PROPERTIES TIMEOUT 300 SKIP_REGULAR_EXPRESSION "SKIP   :")
