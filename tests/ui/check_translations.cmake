# Runs lupdate over the windows' sources into copies of the .ts files: a text of the code
# without its translation comes out unfinished, a translation of a text the code no longer
# has comes out vanished or obsolete. Either fails.
# Usage: cmake -DLUPDATE=... -DSOURCES=dir -DINCLUDE=dir -DTS_FILES=a.ts,b.ts -DWORK=dir -P ...
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
string(REPLACE "," ";" ts_files "${TS_FILES}")
set(copies)
foreach(ts ${ts_files})
  get_filename_component(name ${ts} NAME)
  file(COPY_FILE ${ts} ${WORK}/${name})
  list(APPEND copies ${WORK}/${name})
endforeach()

execute_process(
  COMMAND ${LUPDATE} -locations none -source-language ru -I ${INCLUDE} ${SOURCES} -ts ${copies}
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "lupdate failed:\n${output}")
endif()

set(faults "")
foreach(copy ${copies})
  file(READ ${copy} text)
  string(REGEX MATCHALL
    "<source>[^<]*</source>([ \n]*<[a-z]*comment>[^<]*</[a-z]*comment>)*[ \n]*<translation type=\"(unfinished|vanished|obsolete)\""
    entries "${text}")
  foreach(entry ${entries})
    string(REGEX REPLACE "^<source>([^<]*)</source>.*type=\"([a-z]+)\"$" "\\2: \\1" entry "${entry}")
    get_filename_component(name ${copy} NAME)
    string(APPEND faults "${name}: ${entry}\n")
  endforeach()
endforeach()
if(faults)
  message(FATAL_ERROR "Translations out of step with the code:\n${faults}"
    "Run `cmake --build build --target update_translations` and translate in Qt Linguist.")
endif()
