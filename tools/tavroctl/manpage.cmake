# Writes the manual page tavroctl.1 from the tool's own help, so that page and help
# cannot drift apart. Run as: cmake -DTAVROCTL=program -DOUTPUT=file -DVERSION=x -P this
cmake_minimum_required(VERSION 3.25)

function(run_tool out)
    execute_process(COMMAND ${TAVROCTL} ${ARGN} OUTPUT_VARIABLE text RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "tavroctl ${ARGN} failed: ${result}")
    endif()
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Text for roff: backslashes escaped, and no line starting with a control character.
function(roff_text out text)
    string(REPLACE "\\" "\\e" text "${text}")
    string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

set(kGlobalHeading "Options for every command:")

run_tool(overview --help)
string(FIND "${overview}" "${kGlobalHeading}" at)
string(SUBSTRING "${overview}" ${at} -1 global)
string(REGEX MATCHALL "\n  tavroctl [a-z-]+" command_lines "${overview}")

set(page ".TH TAVROCTL 1 \"\" \"tavro ${VERSION}\" \"User Commands\"\n")
string(APPEND page ".SH NAME\ntavroctl \\- profiles, macros and the TAVRO mouse from the command line\n")
string(APPEND page ".SH SYNOPSIS\n.B tavroctl\n[\\fIOPTIONS\\fR] \\fICOMMAND\\fR [\\fIARGUMENTS\\fR]\n")
string(APPEND page ".SH DESCRIPTION\n"
    "tavroctl works on the same profile files, macro library and mouse as the TAVRO\n"
    "configuration program: it writes and shows profiles, changes their settings by\n"
    "name, edits the macro library, writes profiles into the mouse and tests the\n"
    "sensor. Settings and names follow the program's pages.\n")

string(APPEND page ".SH COMMANDS\n")
foreach(command_line IN LISTS command_lines)
    string(REGEX REPLACE "\n  tavroctl " "" command "${command_line}")
    run_tool(help ${command} --help)
    string(FIND "${help}" "${kGlobalHeading}" at)
    string(SUBSTRING "${help}" 0 ${at} help)
    string(REGEX REPLACE "^usage: " "" help "${help}")
    string(STRIP "${help}" help)
    roff_text(help "${help}")
    string(APPEND page ".SS ${command}\n.nf\n${help}\n.fi\n")
endforeach()

string(STRIP "${global}" global)
roff_text(global "${global}")
string(APPEND page ".SH OPTIONS\n.nf\n${global}\n.fi\n")

run_tool(keys names keys)
string(STRIP "${keys}" keys)
string(REPLACE "\n" ", " keys "${keys}")
roff_text(keys "${keys}")
string(APPEND page ".SH KEY NAMES\nThe names key:NAME and macros add take:\n${keys}.\n")

string(APPEND page ".SH FILES\n"
    ".TP\n.I $XDG_DATA_HOME/Dravek/TAVRO/Profiles/Default1.profile ... Default5.profile\n"
    "the five profiles (XDG_DATA_HOME is ~/.local/share by default)\n"
    ".TP\n.I $XDG_DATA_HOME/Dravek/TAVRO/Macros/\n"
    "the macro library: macroList.dat and one .macro file per macro\n")
string(APPEND page ".SH SEE ALSO\nThe README of the TAVRO configuration program.\n")

file(WRITE ${OUTPUT} "${page}")
