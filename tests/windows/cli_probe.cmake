cmake_minimum_required(VERSION 3.25)
# Runs lumet-cli.exe against 127.0.0.1 and passes only when it prints exactly two
# probe lines, seq=1 and seq=2, both replies (status 0), and ends with status 0.
# Usage: cmake -DEMULATOR=<wine> -DCLI=<lumet-cli.exe> -P cli_probe.cmake
execute_process(COMMAND ${EMULATOR} ${CLI} probe --count 2 127.0.0.1
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status TIMEOUT 50)
message("${out}${err}")
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lumet-cli ended with ${status}, not 0")
endif()

# The console's line ends are CRLF.
string(REPLACE "\r\n" "\n" out "${out}")
string(REGEX MATCHALL "(^|\n)seq=[^\n]*" probes "${out}")
list(LENGTH probes count)
if(NOT count EQUAL 2)
    message(FATAL_ERROR "${count} probe lines, not 2")
endif()
foreach(sequence 1 2)
    if(NOT out MATCHES "(^|\n)seq=${sequence} status=0 time=[0-9]+ ms ttl=[0-9]+ bytes=8\n")
        message(FATAL_ERROR "no reply line for seq=${sequence}")
    endif()
endforeach()
if(NOT out MATCHES "^probing 127\\.0\\.0\\.1\n")
    message(FATAL_ERROR "no 'probing 127.0.0.1' first")
endif()
