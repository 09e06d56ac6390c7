# Files installed compressed, as Debian installs man pages and changelogs: gzip -9n, which
# stores neither the file's name nor its time, so the same source gives the same bytes.
find_program(OVRELAN_GZIP gzip REQUIRED)

# ovrelan_gzip(TARGET FOLDER FILE...): TARGET, built by default, makes FOLDER/NAME.gz from each
# FILE (relative to the current source folder).
function(ovrelan_gzip target folder)
    set(outputs)
    foreach(file IN LISTS ARGN)
        get_filename_component(source ${file} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
        get_filename_component(name ${file} NAME)
        add_custom_command(OUTPUT ${folder}/${name}.gz
            COMMAND ${CMAKE_COMMAND} -E copy ${source} ${folder}/${name}
            COMMAND ${OVRELAN_GZIP} -9nf ${folder}/${name}
            DEPENDS ${source}
            COMMENT "Compressing ${name}"
            VERBATIM)
        list(APPEND outputs ${folder}/${name}.gz)
    endforeach()
    add_custom_target(${target} ALL DEPENDS ${outputs})
endfunction()
