# Run by CPack once the package is written (CPACK_POST_BUILD_SCRIPTS).
execute_process(COMMAND ${CMAKE_CURRENT_LIST_DIR}/deb-member-modes.sh ${CPACK_PACKAGE_FILES}
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "could not set the modes of the package's members")
endif()
