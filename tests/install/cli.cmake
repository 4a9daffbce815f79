# Runs the player's command-line options as a user would; none of them may open a window.
# Called with -DSUBCLOCK=<path> -DVERSION=<project version> -DWORK=<scratch dir>.
file(REMOVE_RECURSE ${WORK})
# The help names the settings file, which follows XDG_CONFIG_HOME; pointing that at scratch
# space also keeps the run away from the real settings.
set(ENV{XDG_CONFIG_HOME} ${WORK}/config)
set(ENV{XDG_DATA_HOME} ${WORK}/data)
set(settings ${WORK}/config/Subclock/subclock.conf)

# expect(ARGS arg... STATUS n [STDOUT_IS text] [STDOUT_HAS text...] [STDERR_HAS text...])
function(expect)
    cmake_parse_arguments(PARSE_ARGV 0 E "" "STATUS;STDOUT_IS" "ARGS;STDOUT_HAS;STDERR_HAS")
    execute_process(COMMAND ${SUBCLOCK} ${E_ARGS} RESULT_VARIABLE status OUTPUT_VARIABLE stdout
                    ERROR_VARIABLE stderr TIMEOUT 20)
    set(report "subclock ${E_ARGS}: exit ${status}\nstdout:\n${stdout}\nstderr:\n${stderr}")
    if(NOT status STREQUAL E_STATUS)
        message(FATAL_ERROR "expected exit ${E_STATUS}\n${report}")
    endif()
    if(DEFINED E_STDOUT_IS AND NOT stdout STREQUAL E_STDOUT_IS)
        message(FATAL_ERROR "expected exactly \"${E_STDOUT_IS}\" on stdout\n${report}")
    endif()
    foreach(stream stdout stderr)
        string(TOUPPER "E_${stream}_HAS" wanted)
        foreach(text IN LISTS ${wanted})
            string(FIND "${${stream}}" "${text}" at)
            if(at EQUAL -1)
                message(FATAL_ERROR "expected \"${text}\" on ${stream}\n${report}")
            endif()
        endforeach()
    endforeach()
endfunction()

# Text-only options work with no display at all, as on a console or over ssh.
unset(ENV{QT_QPA_PLATFORM})
unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})
expect(ARGS --version STATUS 0 STDOUT_IS "subclock ${VERSION}\n")
expect(ARGS -v STATUS 0 STDOUT_IS "subclock ${VERSION}\n")
expect(ARGS --help STATUS 0 STDOUT_HAS "Usage:" "[FILE]" "--version" "--record" "${settings}")
# A mistyped option stops before any window opens.
set(ENV{QT_QPA_PLATFORM} offscreen)
expect(ARGS --no-such-option STATUS 1 STDERR_HAS "no-such-option")
# A record file that cannot be appended to stops the start rather than losing every cue.
expect(ARGS --record ${WORK}/no/such/folder/cues.srt STATUS 1 STDERR_HAS "cannot append to")
