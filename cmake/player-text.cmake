# Turns a UTF-8 text of the repository into a text for players on Windows: the project's version
# and copyright filled in, CRLF line ends, and Shift-JIS (code page 932), which Notepad on a
# Japanese Windows opens as it is.
# cmake -DINPUT=in.txt -DOUTPUT=out.txt -DVERSION=1.0.0 -DCOPYRIGHT_HEADER=h -DICONV=iconv -P player-text.cmake
file(READ ${INPUT} text)
file(STRINGS ${COPYRIGHT_HEADER} notice ENCODING UTF-8 REGEX "#define TROVEL_COPYRIGHT_NOTICE ")
string(REGEX REPLACE ".*\"(.*)\".*" "\\1" TROVEL_COPYRIGHT "${notice}")
set(PROJECT_VERSION ${VERSION})
string(CONFIGURE "${text}" text @ONLY)
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE ${OUTPUT}.utf-8 "${text}")
execute_process(COMMAND ${ICONV} -f UTF-8 -t CP932 ${OUTPUT}.utf-8 OUTPUT_FILE ${OUTPUT}
                RESULT_VARIABLE failed ERROR_VARIABLE error)
file(REMOVE ${OUTPUT}.utf-8)
if(failed)
    file(REMOVE ${OUTPUT})
    message(FATAL_ERROR "${INPUT} does not convert to Shift-JIS: ${error}")
endif()
