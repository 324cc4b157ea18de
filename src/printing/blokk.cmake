# The receipts and work-station tickets: their text composers and report
# definitions (no widgets) and the routines that print them.
set(blokk_mag
  ${CMAKE_CURRENT_LIST_DIR}/BlokkLista.h ${CMAKE_CURRENT_LIST_DIR}/BlokkLista.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KonyhaJegy.h ${CMAKE_CURRENT_LIST_DIR}/KonyhaJegy.cpp
  ${CMAKE_CURRENT_LIST_DIR}/rpt_NyomBlokk.h ${CMAKE_CURRENT_LIST_DIR}/rpt_NyomBlokk.cpp
  ${CMAKE_CURRENT_LIST_DIR}/rpt_KonyhaBlokk.h ${CMAKE_CURRENT_LIST_DIR}/rpt_KonyhaBlokk.cpp)
set(blokk_ablakos
  ${CMAKE_CURRENT_LIST_DIR}/BlokkOsszeallit.h ${CMAKE_CURRENT_LIST_DIR}/BlokkOsszeallit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KonyhaNyomtat.h ${CMAKE_CURRENT_LIST_DIR}/KonyhaNyomtat.cpp)
target_sources(vexlof_printing_core PRIVATE ${blokk_mag})
target_link_libraries(vexlof_printing_core PUBLIC vexlof_riport_mag)
target_sources(vexlof_printing PRIVATE ${blokk_ablakos})
target_link_libraries(vexlof_printing PUBLIC vexlof_riport_mag vexlof_riport)
