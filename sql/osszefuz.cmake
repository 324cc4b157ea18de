# Joins the schema parts (PARTS, separated by |) into OUT, with
# @VEXLOF_VERZIO@ replaced by the program's version (VERZIO).
string(REPLACE "|" ";" PARTS "${PARTS}")
if(NOT VERZIO)
  message(FATAL_ERROR "VERZIO is not set")
endif()
file(WRITE ${OUT} "-- Vexlo.F schema script, generated from the files in sql/.\n")
foreach(p ${PARTS})
  get_filename_component(name ${p} NAME)
  file(READ ${p} text)
  string(REPLACE "@VEXLOF_VERZIO@" "${VERZIO}" text "${text}")
  file(APPEND ${OUT} "\n-- ==== ${name} ====\n\n${text}")
endforeach()
