# embed_resources(<target> FUNCTION <name> FILES <files...>): compiles the files into <target> and
# generates `void <name>()` that registers each of them under its file name.
function(embed_resources target)
  cmake_parse_arguments(ARG "" "FUNCTION" "FILES" ${ARGN})
  set(out "${CMAKE_CURRENT_BINARY_DIR}/${ARG_FUNCTION}.cpp")
  set(abs_files "")
  foreach(f IN LISTS ARG_FILES)
    get_filename_component(a "${f}" ABSOLUTE)
    list(APPEND abs_files "${a}")
  endforeach()
  string(REPLACE ";" "|" files_arg "${abs_files}")
  add_custom_command(
    OUTPUT "${out}"
    COMMAND ${CMAKE_COMMAND} "-DOUT=${out}" "-DFUNCTION=${ARG_FUNCTION}" "-DFILES=${files_arg}"
            -P "${PROJECT_SOURCE_DIR}/cmake/embed.cmake"
    DEPENDS ${abs_files} "${PROJECT_SOURCE_DIR}/cmake/embed.cmake"
    COMMENT "Embedding resources for ${target}"
    VERBATIM)
  target_sources(${target} PRIVATE "${out}")
endfunction()
