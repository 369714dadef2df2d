# The one time that every shipped file carries, so that the same sources always build the same
# bytes (https://reproducible-builds.org/specs/source-date-epoch/): SOURCE_DATE_EPOCH from the
# environment when it is set; else, in a git checkout, the time of the last commit; else, in a
# source tarball, the modification time of this project's CMakeLists.txt (git archive gives every
# file the commit's time). The linker stamps it into the PE header, and the release zip's entries
# carry it.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(TROVEL_SOURCE_DATE_EPOCH $ENV{SOURCE_DATE_EPOCH})
    set(epoch_origin "the environment's SOURCE_DATE_EPOCH")
else()
    find_package(Git QUIET)
    set(commit_time "")
    if(GIT_EXECUTABLE)
        # Outside a checkout, or in one without commits, this prints no time.
        execute_process(COMMAND ${GIT_EXECUTABLE} -C ${PROJECT_SOURCE_DIR} log -1 --format=%ct
                        OUTPUT_VARIABLE commit_time OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
        execute_process(COMMAND ${GIT_EXECUTABLE} -C ${PROJECT_SOURCE_DIR} rev-parse --absolute-git-dir
                        OUTPUT_VARIABLE git_dir OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    endif()
    if(commit_time MATCHES "^[0-9]+$")
        set(TROVEL_SOURCE_DATE_EPOCH ${commit_time})
        set(epoch_origin "the last commit")
        # A new commit or checkout changes the time: configure again then.
        if(EXISTS ${git_dir}/logs/HEAD)
            set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
                                                                         ${git_dir}/logs/HEAD)
        endif()
    else()
        file(TIMESTAMP ${PROJECT_SOURCE_DIR}/CMakeLists.txt TROVEL_SOURCE_DATE_EPOCH "%s" UTC)
        set(epoch_origin "the time of CMakeLists.txt (no git checkout)")
    endif()
endif()
if(NOT TROVEL_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
    message(FATAL_ERROR "SOURCE_DATE_EPOCH is '${TROVEL_SOURCE_DATE_EPOCH}': whole seconds since "
                        "1970-01-01 UTC expected")
endif()
# string(TIMESTAMP) reads the current time from SOURCE_DATE_EPOCH where it is set.
set(saved_epoch "$ENV{SOURCE_DATE_EPOCH}")
set(ENV{SOURCE_DATE_EPOCH} ${TROVEL_SOURCE_DATE_EPOCH})
string(TIMESTAMP epoch_text "%Y-%m-%d %H:%M:%S UTC" UTC)
set(ENV{SOURCE_DATE_EPOCH} "${saved_epoch}")
message(STATUS "Shipped files are dated ${epoch_text}, from ${epoch_origin}")
