cmake_minimum_required(VERSION 3.25)
# Run by the build after the archives are packed (cmake -P): draws each shipped course's picture
# and contact sheet with velmora-tool, then checks the course as the game will read it (from
# scenes.zip). Variables: TOOL (velmora-tool), STAGE (the courses' staged scenes folder), SCENES
# (build/resources/scenes), SHEETS (the contact sheets' folder).
file(GLOB staged LIST_DIRECTORIES true RELATIVE ${STAGE} ${STAGE}/*)
list(REMOVE_ITEM staged golfball)
# A picture whose course is neither staged nor on disk belongs to a course that is gone.
file(GLOB pictures RELATIVE ${SCENES} ${SCENES}/*.jpg)
foreach(picture IN LISTS pictures)
    string(REGEX REPLACE "\\.jpg$" "" course ${picture})
    if(NOT course IN_LIST staged AND NOT IS_DIRECTORY ${SCENES}/${course})
        file(REMOVE ${SCENES}/${picture})
    endif()
endforeach()
foreach(course IN LISTS staged)
    execute_process(COMMAND ${TOOL} course-picture ${SCENES}/${course} ${SCENES}/${course}.jpg
                            ${SHEETS}/course_${course}.png
                    RESULT_VARIABLE drawn)
    if(NOT drawn EQUAL 0)
        message(FATAL_ERROR "velmora-tool could not draw the course ${course}")
    endif()
    execute_process(COMMAND ${TOOL} course ${SCENES}/${course} RESULT_VARIABLE checked)
    if(NOT checked EQUAL 0)
        message(FATAL_ERROR "the course ${course} breaks the rules the game relies on (see above)")
    endif()
endforeach()
