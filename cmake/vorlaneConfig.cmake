# The vorlane package: the imported target vorlane::vorlane (vorlane.dll, its import library and
# the include folder with vorlane.h) and vorlane_copy_dll(TARGET).
#
# The DLL exports no functions: a program loads it with LoadLibrary, so linking vorlane::vorlane
# brings the include folder and adds no import. The DLL must then sit beside the program:
# vorlane_copy_dll(TARGET) copies it next to TARGET's file after every build of TARGET.
include("${CMAKE_CURRENT_LIST_DIR}/vorlaneTargets.cmake")

function(vorlane_copy_dll target)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND "${CMAKE_COMMAND}" -E copy_if_different "$<TARGET_FILE:vorlane::vorlane>"
                "$<TARGET_FILE_DIR:${target}>"
        VERBATIM)
endfunction()
