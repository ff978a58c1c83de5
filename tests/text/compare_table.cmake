# Runs the table program and compares the digest of its file with the one both platforms share.
# On a mismatch the file stays, to be compared with the other platform's.
string(REPLACE "|" ";" EMULATOR "${EMULATOR}")
execute_process(COMMAND ${EMULATOR} ${PROGRAM} ${OUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} failed: ${status}")
endif()
file(SHA256 ${OUT} actual)
file(READ ${EXPECTED} expected)
string(STRIP "${expected}" expected)
if(NOT actual STREQUAL expected)
    message(FATAL_ERROR "${OUT}: digest ${actual}, expected ${expected}")
endif()
