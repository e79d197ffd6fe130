cmake_minimum_required(VERSION 3.25)
# Passes when the program imports only DLLs every Windows has, so that it runs with
# nothing beside it: the C++ runtime and winpthreads must be linked in.
# Usage: cmake -DOBJDUMP=<objdump> -DPROGRAM=<file.exe> -P system_dlls_only.cmake
set(system_dlls advapi32.dll comdlg32.dll gdi32.dll iphlpapi.dll kernel32.dll msvcrt.dll
    ole32.dll shell32.dll user32.dll ws2_32.dll)
execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE dump RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${OBJDUMP} could not read ${PROGRAM}")
endif()
string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
if(NOT imports)
    message(FATAL_ERROR "no imports found in ${PROGRAM}")
endif()
foreach(import IN LISTS imports)
    string(REGEX REPLACE "DLL Name: *" "" dll "${import}")
    string(STRIP "${dll}" dll)
    string(TOLOWER "${dll}" dll)
    if(NOT dll IN_LIST system_dlls)
        message(FATAL_ERROR "${PROGRAM} needs ${dll}, which Windows does not ship")
    endif()
    message("imports ${dll}")
endforeach()
