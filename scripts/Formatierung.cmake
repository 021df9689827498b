# cmake -DQUELLEN=<source dir> [-DFORMATIEREN=ON] -P Formatierung.cmake
# Checks that every C++ source and header of the tree follows its .clang-format, naming
# each file that does not; with FORMATIEREN=ON formats them instead (`make format`).
# Build trees (folders holding a CMakeCache.txt) and hidden folders are left out: what
# they hold is generated.
cmake_minimum_required(VERSION 3.25)

if(NOT QUELLEN)
    message(FATAL_ERROR "usage: cmake -DQUELLEN=<source dir> [-DFORMATIEREN=ON] -P Formatierung.cmake")
endif()
get_filename_component(QUELLEN "${QUELLEN}" ABSOLUTE)

# Another version of clang-format lays the same code out differently; the tree follows 14,
# the one of Debian 12.
find_program(CLANG_FORMAT NAMES clang-format-14 clang-format)
if(NOT CLANG_FORMAT)
    message(FATAL_ERROR "clang-format is missing: scripts/install-deps installs it")
endif()

set(dateien)
file(GLOB eintraege LIST_DIRECTORIES true RELATIVE ${QUELLEN} ${QUELLEN}/*)
list(SORT eintraege)
foreach(eintrag IN LISTS eintraege)
    set(pfad ${QUELLEN}/${eintrag})
    if(eintrag MATCHES "^\\.")
        continue()
    elseif(IS_DIRECTORY ${pfad})
        if(EXISTS ${pfad}/CMakeCache.txt)
            continue()
        endif()
        file(GLOB_RECURSE gefunden RELATIVE ${QUELLEN} ${pfad}/*.cpp ${pfad}/*.h)
        list(SORT gefunden)
        list(APPEND dateien ${gefunden})
    elseif(eintrag MATCHES "\\.(cpp|h)$")
        list(APPEND dateien ${eintrag})
    endif()
endforeach()
if(NOT dateien)
    message(FATAL_ERROR "no C++ files found in ${QUELLEN}")
endif()

if(FORMATIEREN)
    execute_process(COMMAND ${CLANG_FORMAT} -i --style=file ${dateien}
                    WORKING_DIRECTORY ${QUELLEN} RESULT_VARIABLE fehler)
    if(fehler)
        message(FATAL_ERROR "clang-format failed")
    endif()
    list(LENGTH dateien anzahl)
    message(STATUS "${anzahl} files formatted")
    return()
endif()

# One run over every file; each place that differs is reported as
# "<file>:<line>:<column>: error: code should be clang-formatted".
execute_process(COMMAND ${CLANG_FORMAT} --dry-run -Werror --style=file ${dateien}
                WORKING_DIRECTORY ${QUELLEN} RESULT_VARIABLE fehler
                OUTPUT_VARIABLE ausgabe ERROR_VARIABLE ausgabe)
if(NOT fehler)
    return()
endif()
string(REGEX MATCHALL "[^\n]+:[0-9]+:[0-9]+: error: code should be clang-formatted" stellen
       "${ausgabe}")
set(falsch)
foreach(stelle IN LISTS stellen)
    string(REGEX REPLACE ":[0-9]+:[0-9]+: error: .*" "" datei "${stelle}")
    list(APPEND falsch ${datei})
endforeach()
list(REMOVE_DUPLICATES falsch)
if(NOT falsch)
    # Something else went wrong (an unreadable .clang-format, say): show it as it came.
    message(FATAL_ERROR "clang-format failed:\n${ausgabe}")
endif()
list(JOIN falsch "\n    " liste)
message(FATAL_ERROR "Not formatted as .clang-format says:\n    ${liste}\n"
        "Run `make format` to format them (then look over the change and commit it).")
