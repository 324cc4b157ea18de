# Joins the schema parts (PARTS, separated by |) into OUT.
string(REPLACE "|" ";" PARTS "${PARTS}")
file(WRITE ${OUT} "-- Vexlo.F schema script, generated from the files in sql/.\n")
foreach(p ${PARTS})
  get_filename_component(name ${p} NAME)
  file(READ ${p} text)
  file(APPEND ${OUT} "\n-- ==== ${name} ====\n\n${text}")
endforeach()
