# cmake -DBAU=<build> -DZIEL=<scratch> -DKENNUNG=<id> -DGROESSEN=<sizes> -P Installationsprobe.cmake
# Installs into a scratch folder as the package does (prefix /usr), checks that exactly
# the expected files arrive, and validates the tree as a software centre reads it.

file(REMOVE_RECURSE ${ZIEL})
execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${ZIEL}
                        ${CMAKE_COMMAND} --install ${BAU} --prefix /usr
                RESULT_VARIABLE ergebnis OUTPUT_QUIET)
if(NOT ergebnis EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${ergebnis}")
endif()

set(erwartet
    usr/bin/kalmiro
    usr/share/applications/${KENNUNG}.desktop
    usr/share/metainfo/${KENNUNG}.metainfo.xml
    usr/share/icons/hicolor/scalable/apps/${KENNUNG}.svg
    usr/share/man/man1/kalmiro.1.gz)
foreach(groesse IN LISTS GROESSEN)
    list(APPEND erwartet usr/share/icons/hicolor/${groesse}x${groesse}/apps/${KENNUNG}.png)
endforeach()
list(SORT erwartet)

file(GLOB_RECURSE da RELATIVE ${ZIEL} ${ZIEL}/*)
list(SORT da)
if(NOT da STREQUAL erwartet)
    list(JOIN da "\n  " da_text)
    list(JOIN erwartet "\n  " erwartet_text)
    message(FATAL_ERROR "installed:\n  ${da_text}\nexpected:\n  ${erwartet_text}")
endif()

execute_process(COMMAND appstreamcli validate-tree --no-net ${ZIEL}
                RESULT_VARIABLE ergebnis OUTPUT_VARIABLE bericht ERROR_VARIABLE bericht)
message("${bericht}")
if(NOT ergebnis EQUAL 0)
    message(FATAL_ERROR "appstreamcli validate-tree failed")
endif()
