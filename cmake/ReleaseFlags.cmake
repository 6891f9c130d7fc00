# What makes the files we hand out checkable and safe, for every target:
#
# - One date for everything a build writes down (package and archive times,
#   the resources' times, the metainfo's release, the changelog and the
#   manual page): the environment's SOURCE_DATE_EPOCH when set, else the
#   last commit's date, so that two builds of one commit give the same
#   bytes, whenever and wherever its files were checked out.
# - No build folder in what is compiled in.
# - On Linux, Debian's hardening: PIE, the stack protector, fortified
#   functions, full RELRO with immediate binding.
# - In WebAssembly, nothing more: its sandbox is the hardening.
# - On Windows, no link time stamp in the PE header, and ASLR (also high
#   entropy), DEP and terminal-server awareness declared.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(VELKORN_SOURCE_DATE_EPOCH $ENV{SOURCE_DATE_EPOCH})
else()
    execute_process(COMMAND git log -1 --format=%ct
                    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE VELKORN_SOURCE_DATE_EPOCH
                    OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET RESULT_VARIABLE gitResult)
    if(NOT gitResult EQUAL 0 OR VELKORN_SOURCE_DATE_EPOCH STREQUAL "")
        set(VELKORN_SOURCE_DATE_EPOCH 0) # not a checkout: a date that changes nothing
    endif()
endif()
# string(TIMESTAMP) reads it from the environment.
set(ENV{SOURCE_DATE_EPOCH} ${VELKORN_SOURCE_DATE_EPOCH})
string(TIMESTAMP VELKORN_RELEASE_DATE "%Y-%m-%d" UTC)
# Tools the build runs write dates too: rcc stamps every resource with its
# file's modification time, which is the time of the checkout, unless
# SOURCE_DATE_EPOCH says otherwise. The environment above is configure's
# alone, so every custom rule gets the date through a launcher of its own.
set_property(GLOBAL PROPERTY RULE_LAUNCH_CUSTOM
             "${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${VELKORN_SOURCE_DATE_EPOCH}")
# A rule whose output records the date depends on this file, which changes
# only with the date: a reused build folder picks up a new commit's date.
set(VELKORN_SOURCE_DATE_FILE ${PROJECT_BINARY_DIR}/source-date-epoch)
file(CONFIGURE OUTPUT ${VELKORN_SOURCE_DATE_FILE} CONTENT "${VELKORN_SOURCE_DATE_EPOCH}\n")

if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    # The compiler's only dates are __DATE__ and __TIME__: none are used.
    add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
                        -ffile-prefix-map=${PROJECT_BINARY_DIR}=build -Werror=date-time)
endif()

if(EMSCRIPTEN)
    # WebAssembly keeps its stack and code out of reach of the program's
    # memory: there is nothing for the stack protector or RELRO to guard,
    # and its runtime has neither.
elseif(WIN32)
    add_link_options(-Wl,--no-insert-timestamp -Wl,--dynamicbase -Wl,--high-entropy-va
                     -Wl,--nxcompat -Wl,--tsaware)
elseif(NOT VELKORN_SANITIZE AND NOT VELKORN_FUZZ)
    include(CheckPIESupported)
    check_pie_supported()
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)
    add_compile_options(-fstack-protector-strong
                        "$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
    add_link_options(-Wl,-z,relro -Wl,-z,now)
endif()
