# Run at installation: writes the desktop entry with the installed program's full path, so that the
# menu starts the game even where PREFIX/bin is not on the PATH. Needs VELMORA_APP_ID,
# VELMORA_DESKTOP_TEMPLATE and VELMORA_DESKTOP_STAGE (a folder for the written entry).
set(program "${CMAKE_INSTALL_PREFIX}/bin/velmora")
if(program MATCHES "[\n\r]")
    message(FATAL_ERROR "The installation prefix holds a line break: no desktop entry can name it.")
endif()
# An Exec argument with characters beyond these is quoted, with \" \` \$ \\ escaped inside; the value
# is a string too, so each backslash is then doubled once more. A literal % is written %%.
string(REPLACE "%" "%%" VELMORA_EXEC "${program}")
if(NOT VELMORA_EXEC MATCHES "^[A-Za-z0-9/._+%-]+$")
    string(REPLACE "\\" "\\\\" VELMORA_EXEC "${VELMORA_EXEC}")
    string(REPLACE "\"" "\\\"" VELMORA_EXEC "${VELMORA_EXEC}")
    string(REPLACE "`" "\\`" VELMORA_EXEC "${VELMORA_EXEC}")
    string(REPLACE "$" "\\$" VELMORA_EXEC "${VELMORA_EXEC}")
    string(REPLACE "\\" "\\\\" VELMORA_EXEC "\"${VELMORA_EXEC}\"")
endif()
set(entry "${VELMORA_DESKTOP_STAGE}/${VELMORA_APP_ID}.desktop")
configure_file("${VELMORA_DESKTOP_TEMPLATE}" "${entry}" @ONLY)
file(INSTALL "${entry}" DESTINATION "${CMAKE_INSTALL_PREFIX}/share/applications")
