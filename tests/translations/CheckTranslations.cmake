# Fails when a text of the code is missing from a .ts file or unfinished there:
# lupdate brings a copy of each up to date with the code, and every text it had
# to add, or that was left so, is marked unfinished in the copy.
#   cmake -DLUPDATE=... -DINCLUDE=src -DSOURCES="a;b" -DTS_FILES="x.ts;y.ts" -DWORK=dir -P CheckTranslations.cmake
file(MAKE_DIRECTORY "${WORK}")
set(failed "")
foreach(ts IN LISTS TS_FILES)
    get_filename_component(name "${ts}" NAME)
    set(copy "${WORK}/${name}")
    configure_file("${ts}" "${copy}" COPYONLY)
    execute_process(COMMAND "${LUPDATE}" -silent -no-obsolete -locations none -I "${INCLUDE}" ${SOURCES}
                            -ts "${copy}"
                    RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "lupdate failed on ${name}")
    endif()
    file(STRINGS "${copy}" lines)
    set(source "")
    foreach(line IN LISTS lines)
        if(line MATCHES "<source>(.*)</source>")
            set(source "${CMAKE_MATCH_1}")
        elseif(line MATCHES "type=\"unfinished\"")
            list(APPEND failed "${name}: ${source}")
        endif()
    endforeach()
endforeach()
if(failed)
    list(JOIN failed "\n  " listed)
    message(FATAL_ERROR "Texts missing or unfinished:\n  ${listed}")
endif()
