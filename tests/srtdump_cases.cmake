# Runs srtdump as a user would and checks exit codes and output.
# Called by ctest with -DSRTDUMP=<path> -DSAMPLES=<dir>.
function(expect_run expected_status expected_stdout)
    execute_process(COMMAND ${SRTDUMP} ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out
                    ERROR_VARIABLE err)
    if(NOT status EQUAL expected_status)
        message(FATAL_ERROR "srtdump ${ARGN}: exit ${status}, expected ${expected_status}\n${err}")
    endif()
    if(NOT expected_stdout STREQUAL "*" AND NOT out STREQUAL expected_stdout)
        message(FATAL_ERROR "srtdump ${ARGN}: printed\n${out}\nexpected\n${expected_stdout}")
    endif()
    set(last_stderr "${err}" PARENT_SCOPE)
    set(last_stdout "${out}" PARENT_SCOPE)
endfunction()

expect_run(0 "{\"entries\":[{\"number\":1,\"start\":1.5,\"end\":4.25,\"text\":\"Hello\\n\"},{\"number\":2,\"start\":5.0,\"end\":6.0,\"text\":\"\\\"Quoted\\\" \\\\ back\\tslash\\n\"}]}\n"
           --format json ${SAMPLES}/basic-crlf.srt)
# Read as LF, every line keeps its CR: no index lines, an empty list.
expect_run(0 "{\"entries\":[]}\n" --format json --line-ending lf ${SAMPLES}/basic-crlf.srt)
# Any return code is accepted; 7 splits nothing.
expect_run(0 "{\"entries\":[]}\n" --format json --line-ending 7 ${SAMPLES}/basic-crlf.srt)
expect_run(0 "*" --encoding 0x4 ${SAMPLES}/basic-crlf.srt)
if(NOT last_stderr MATCHES "Hello")
    message(FATAL_ERROR "the dump should log the entry texts on standard error:\n${last_stderr}")
endif()
expect_run(1 "" ${SAMPLES}/does-not-exist.srt)
if(NOT last_stderr MATCHES "File not found.")
    message(FATAL_ERROR "missing file should say so: ${last_stderr}")
endif()
# A directory opens but does not read.
expect_run(2 "" ${SAMPLES})
if(NOT last_stderr MATCHES "Encoding Error")
    message(FATAL_ERROR "unreadable file should say so: ${last_stderr}")
endif()
expect_run(2 "" --encoding 1 ${SAMPLES}/../../resources/sample.srt)
# A byte-order mark costs no entry; an empty text differs from none; 007 is 7.
expect_run(0 "{\"entries\":[{\"number\":7,\"start\":1.005,\"end\":2.0,\"text\":\"\"},{\"number\":5,\"start\":0.0,\"end\":0.0,\"text\":null}]}\n"
           --format json --encoding 4 --line-ending lf ${SAMPLES}/edge-bom-lf.srt)
# UTF-16 with its byte-order mark, through the generic and the little-endian identifiers.
foreach(id 10 0x94000100)
    expect_run(0 "{\"entries\":[{\"number\":1,\"start\":1.5,\"end\":4.25,\"text\":\"こんにちは\\n\"}]}\n"
               --format json --encoding ${id} ${SAMPLES}/utf16le-bom-crlf.srt)
endforeach()
expect_run(2 "" --format json --encoding 4 --line-ending lf ${SAMPLES}/invalid-utf8.srt)
expect_run(64 "" --format xml ${SAMPLES}/basic-crlf.srt)
expect_run(64 "" --encoding nine ${SAMPLES}/basic-crlf.srt)
expect_run(64 "")
expect_run(64 "" a.srt b.srt)
expect_run(0 "*" --help)
# Timing applied: 3.5 s earlier at speed 2 (the first start falls before zero and is written as
# zero); the SubRip form in the line ending read (checked by its hex: CMake keeps no bare CR);
# the JSON shows the same times.
execute_process(COMMAND ${SRTDUMP} --delay -3.5 --speed 2 --format srt ${SAMPLES}/basic-crlf.srt
                RESULT_VARIABLE status OUTPUT_FILE ${CMAKE_CURRENT_BINARY_DIR}/adjusted.srt)
file(READ ${CMAKE_CURRENT_BINARY_DIR}/adjusted.srt adjusted HEX)
string(HEX "1\r\n00:00:00,000 --> 00:00:05,000\r\nHello\r\n\r\n2\r\n00:00:06,500 --> 00:00:08,500\r\n\"Quoted\" \\ back\tslash\r\n" wanted)
if(NOT status EQUAL 0 OR NOT adjusted STREQUAL wanted)
    message(FATAL_ERROR "srtdump --format srt: exit ${status}, wrote ${adjusted}, expected ${wanted}")
endif()
expect_run(0 "{\"entries\":[{\"number\":1,\"start\":1.8,\"end\":4.55,\"text\":\"Hello\\n\"},{\"number\":2,\"start\":5.3,\"end\":6.3,\"text\":\"\\\"Quoted\\\" \\\\ back\\tslash\\n\"}]}\n"
           --delay 0.3 --format json ${SAMPLES}/basic-crlf.srt)
foreach(bad "--delay;x" "--delay;1s" "--delay;nan" "--speed;0" "--speed;-1" "--speed;inf" "--delay")
    expect_run(64 "" ${bad} ${SAMPLES}/basic-crlf.srt)
    if(NOT last_stderr MATCHES "usage: srtdump")
        message(FATAL_ERROR "srtdump ${bad}: no usage line: ${last_stderr}")
    endif()
endforeach()
# Automatic: what was chosen comes first in the JSON, and the report has one fact a line.
expect_run(0 "{\"encoding\":2483028224,\"line_ending\":\"crlf\",\"entries\":[{\"number\":1,\"start\":1.5,\"end\":4.25,\"text\":\"こんにちは\\n\"}]}\n"
           --format json --encoding auto --line-ending auto ${SAMPLES}/utf16le-bom-crlf.srt)
expect_run(0 "subtitles: 2\nduration: 0:04\nencoding: Windows-1251 (11), automatic\nline ending: LF, automatic\nskipped blocks: 0\n"
           --format report --encoding auto --line-ending auto ${SAMPLES}/cyrillic-1251-lf.srt)
# ISO-8859-7 with elisions, which uchardet alone takes for Windows-1253 ("σΆ", "¶ννα").
expect_run(0 "{\"encoding\":2147484167,\"line_ending\":\"lf\",\"entries\":[{\"number\":1,\"start\":1.0,\"end\":3.5,\"text\":\"Σ’ το ’πα: τ’ άκουσες;\\n\"},{\"number\":2,\"start\":4.0,\"end\":6.0,\"text\":\"Άννα, μ’ αρέσει εδώ.\\n\"}]}\n"
           --format json --encoding auto --line-ending auto ${SAMPLES}/greek-8859-7-lf.srt)
# Nothing found is said, on standard error, only with Automatic.
expect_run(0 "{\"encoding\":4,\"line_ending\":\"crlf\",\"entries\":[]}\n"
           --format json --encoding auto --line-ending auto ${SAMPLES}/../CMakeLists.txt)
if(NOT last_stderr MATCHES "No subtitles found in .*CMakeLists.txt")
    message(FATAL_ERROR "an empty read should say so: ${last_stderr}")
endif()
# Another format, found by content: the JSON names it, the report too.
expect_run(0 "{\"encoding\":4,\"line_ending\":\"lf\",\"format\":\"webvtt\",\"entries\":[{\"number\":1,\"start\":1.2,\"end\":3.4,\"text\":\"Hello there\"},{\"number\":2,\"start\":4.0,\"end\":6.2,\"text\":\"Line one\\nLine two\"},{\"number\":3,\"start\":7.0,\"end\":9.6,\"text\":\"The end, friends\"}]}\n"
           --format json --encoding auto --line-ending auto ${SAMPLES}/formats/ref.vtt)
expect_run(0 "*" --format report --encoding auto ${SAMPLES}/formats/ref.sub)
if(NOT last_stdout MATCHES "format: MicroDVD\nframe rate: 25\n")
    message(FATAL_ERROR "the report should name the format and its frame rate:\n${last_stdout}")
endif()
