# orvesc_add_test(<name> SOURCES <files...> LIBS <targets...> [GUI])
# Builds one QtTest executable and registers it with CTest. GUI tests run on the offscreen platform.
function(orvesc_add_test name)
    cmake_parse_arguments(ARG "GUI" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
    target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
    add_test(NAME ${name} COMMAND ${name})
    set(env "QT_QPA_PLATFORM=offscreen")
    if(WIN32 AND CMAKE_CROSSCOMPILING)
        # Wine hands a Windows program no QT_* variable of the host, but WINEQT_* ones as QT_*; and
        # QtTest writes to the debugger channel unless told otherwise. The regular-expression JIT's
        # allocator lock can hang under Wine when port threads compile patterns at once.
        list(APPEND env "WINEQT_QPA_PLATFORM=offscreen" "WINEQT_FORCE_STDERR_LOGGING=1"
                        "WINEQT_ENABLE_REGEXP_JIT=0")
    endif()
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}" TIMEOUT 120)
endfunction()
