# Runs make_program_files on the tables of data/ and on damaged copies of them.
# The intact tables must give the four files with their exact sizes; every
# damaged copy must be refused with a message naming the fault and a non-zero
# exit code, and must leave no file behind.
#
#   cmake -DTOOL=<make_program_files> -DDATA_DIR=<data dir> -DWORK_DIR=<scratch dir>
#         -P check_make_program_files.cmake

foreach(var TOOL DATA_DIR WORK_DIR)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} is not set")
  endif()
endforeach()

set(TABLES units.tsv bars.tsv defaults.tsv Calvix.ini)
file(REMOVE_RECURSE ${WORK_DIR})

function(copy_tables dir)
  file(MAKE_DIRECTORY ${dir})
  foreach(table ${TABLES})
    file(COPY ${DATA_DIR}/${table} DESTINATION ${dir})
  endforeach()
endfunction()

# The intact tables.
copy_tables(${WORK_DIR}/intact)
execute_process(COMMAND ${TOOL} ${WORK_DIR}/intact ${WORK_DIR}/intact/out
  RESULT_VARIABLE result ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the intact tables were refused (${result}): ${errors}")
endif()
foreach(pair "Units.fil;807" "Bars.fil;165" "CXDeflt.fil;0" "Calvix.ini;0")
  list(GET pair 0 name)
  list(GET pair 1 size)
  if(NOT EXISTS ${WORK_DIR}/intact/out/${name})
    message(FATAL_ERROR "${name} was not written")
  endif()
  file(SIZE ${WORK_DIR}/intact/out/${name} actual)
  if(NOT size EQUAL 0 AND NOT actual EQUAL size)
    message(FATAL_ERROR "${name} has ${actual} bytes instead of ${size}")
  endif()
endforeach()
file(STRINGS ${WORK_DIR}/intact/out/CXDeflt.fil items)
list(LENGTH items count)
if(NOT count EQUAL 125)
  message(FATAL_ERROR "CXDeflt.fil has ${count} items instead of 125")
endif()

# expect_refusal(<case> <table> <regex> <replacement> <message fragment>)
# Copies the tables, replaces the first match of <regex> in <table> with
# <replacement>, runs the tool and expects it to fail with <message fragment>.
set(case_count 0)
function(expect_refusal name table regex replacement fragment)
  set(dir ${WORK_DIR}/${name})
  copy_tables(${dir})
  file(READ ${dir}/${table} text)
  string(REGEX MATCH "${regex}" found "${text}")
  if(found STREQUAL "")
    message(FATAL_ERROR "${name}: \"${regex}\" does not occur in ${table}")
  endif()
  string(FIND "${text}" "${found}" at)
  string(LENGTH "${found}" length)
  string(SUBSTRING "${text}" 0 ${at} before)
  math(EXPR after_start "${at} + ${length}")
  string(SUBSTRING "${text}" ${after_start} -1 after)
  file(WRITE ${dir}/${table} "${before}${replacement}${after}")

  execute_process(COMMAND ${TOOL} ${dir} ${dir}/out
    RESULT_VARIABLE result ERROR_VARIABLE errors)
  if(result EQUAL 0)
    message(FATAL_ERROR "${name}: the damaged ${table} was accepted")
  endif()
  string(FIND "${errors}" "${fragment}" where)
  if(where EQUAL -1)
    message(FATAL_ERROR "${name}: expected a message with \"${fragment}\", got: ${errors}")
  endif()
  string(FIND "${errors}" "${table}" where)
  if(where EQUAL -1)
    message(FATAL_ERROR "${name}: the message does not name ${table}: ${errors}")
  endif()
  if(EXISTS ${dir}/out)
    message(FATAL_ERROR "${name}: files were written although a table was refused")
  endif()
  message(STATUS "${name}: refused as expected: ${errors}")
endfunction()

expect_refusal(units_missing_column units.tsv "\tpsi\t###0.00\n" "\tpsi###0.00\n"
  "expected 6 tab-separated columns, found 5")
expect_refusal(units_extra_column units.tsv "\tft\t##0.00\n" "\tft\t##0.00\textra\n"
  "expected 6 tab-separated columns, found 7")
expect_refusal(units_label_too_wide units.tsv "\tin\t##0.00\n" "\tinches\t##0.00\n"
  "label \"inches\" is 6 characters wide; its slot holds 4")
expect_refusal(units_pattern_too_wide units.tsv "\tmm\t###0.0\n" "\tmm\t####0.0\n"
  "pattern \"####0.0\" is 7 characters wide; its slot holds 6")
expect_refusal(units_quantity_missing units.tsv "\n9\tdeflection\tSI\t[^\n]*" ""
  "quantity 9 of SI is missing")
expect_refusal(units_quantity_twice units.tsv "\n16\tsteel area\tSI\t" "\n16\tsteel area\tMKS\t"
  "quantity 16 of MKS is given twice")
expect_refusal(units_bad_factor units.tsv "\t25.4\t" "\t25,4\t"
  "should be a positive number")
expect_refusal(units_unknown_system units.tsv "\tSI\t" "\tSIM\t"
  "unit system should be US, SI or MKS")
expect_refusal(units_character_outside_code_page units.tsv "\tpcf\t" "\tp₁f\t"
  "cannot show")
expect_refusal(bars_extra_column bars.tsv "\t0.375\t0.11\tin\n" "\t0.375\t0.11\tin\tx\n"
  "expected 5 tab-separated columns, found 6")
expect_refusal(bars_designation_too_wide bars.tsv "\t10M\t" "\t10MM\t"
  "designation \"10MM\" is 4 characters wide; its slot holds 3")
expect_refusal(bars_record_missing bars.tsv "\n8\t\t0\t0\tin" ""
  "expected 15 bar records, found 14")
expect_refusal(bars_out_of_order bars.tsv "\n9\t\t0\t0\tin" "\n19\t\t0\t0\tin"
  "should be a whole number from 1 to 15")
expect_refusal(bars_unknown_units bars.tsv "\tmm\n" "\tcm\n"
  "units should be \"in\" or \"mm\"")
expect_refusal(defaults_item_missing defaults.tsv "\n41\tUseAxialMcr[^\n]*" ""
  "expected 42 item rows")
expect_refusal(defaults_missing_column defaults.tsv "\t\"Pinned\"\t\"Pinned\"\n" "\t\"Pinned\"\n"
  "expected 6 tab-separated columns, found 5")
expect_refusal(defaults_unquoted_string defaults.tsv "\t\"ACI\"\t\"ACI\"\n" "\tACI\t\"ACI\"\n"
  "a string item must be written in double quotes")
expect_refusal(defaults_bad_boolean defaults.tsv "\t#TRUE#\t#TRUE#\t#TRUE#\n"
  "\t#TRUE#\tTrue\t#TRUE#\n" "a boolean item is #TRUE# or #FALSE#")
expect_refusal(defaults_bad_integer defaults.tsv "\t1\t2\t3\n" "\t1\t2.5\t3\n"
  "an integer item is a 16-bit whole number")
expect_refusal(defaults_kept_item_in_mks defaults.tsv "\t\"\"\t\"\"\t-" "\t\"\"\t\"\"\t\"\""
  "has no kept item")
expect_refusal(settings_stray_line Calvix.ini "UnitsType=1\n" "UnitsType=1\nstray text\n"
  "expected [Section], Key=Value")
