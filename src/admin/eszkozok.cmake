# The SQL console, the price-list import and the delimited and worksheet
# export. The widget-free part (parsing, checking and writing the files, the
# import itself, the download, the console's worker) is a library of its own
# that the tests and benchmarks link.
find_package(PkgConfig REQUIRED)
pkg_check_modules(XLSXWRITER REQUIRED IMPORTED_TARGET xlsxwriter)

add_library(vexlof_eszkoz STATIC
  ${CMAKE_CURRENT_LIST_DIR}/HataroltSzoveg.h ${CMAKE_CURRENT_LIST_DIR}/HataroltSzoveg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CikkImport.h ${CMAKE_CURRENT_LIST_DIR}/CikkImport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/XlsxIro.h ${CMAKE_CURRENT_LIST_DIR}/XlsxIro.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HttpLetoltes.h ${CMAKE_CURRENT_LIST_DIR}/HttpLetoltes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SqlMunka.h ${CMAKE_CURRENT_LIST_DIR}/SqlMunka.cpp
)
target_include_directories(vexlof_eszkoz PUBLIC ${CMAKE_CURRENT_LIST_DIR})
# libxlsxwriter is not linked but loaded at run time (XlsxIro.cpp tells why);
# only its headers are used here.
target_include_directories(vexlof_eszkoz PRIVATE ${XLSXWRITER_INCLUDE_DIRS})
target_link_libraries(vexlof_eszkoz PUBLIC vexlof_data Qt6::Core Qt6::Sql Qt6::Network
  PRIVATE ${CMAKE_DL_LIBS})
if(WIN32)
  target_link_libraries(vexlof_eszkoz PRIVATE PkgConfig::XLSXWRITER)
endif()

target_link_libraries(vexlof_admin PUBLIC vexlof_eszkoz)

target_sources(vexlof_admin PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Hatarolt.h ${CMAKE_CURRENT_LIST_DIR}/Hatarolt.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SQL.h ${CMAKE_CURRENT_LIST_DIR}/SQL.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CikktorzsFrissit.h ${CMAKE_CURRENT_LIST_DIR}/CikktorzsFrissit.cpp
)
