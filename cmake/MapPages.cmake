# The two map pages, written at build time from their one source into
# <output_dir>/103.html (UTF-8) and <output_dir>/328.html (UTF-16LE, icons
# inside). The program embeds them; the page tests load them.
find_program(OSTRILEX_PYTHON NAMES python3 REQUIRED)

function(ostrilex_map_pages target output_dir)
  set(source ${PROJECT_SOURCE_DIR}/resources/map/MapPage.html)
  set(script ${PROJECT_SOURCE_DIR}/tools/map/make_map_pages.py)
  file(GLOB icons CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/resources/skin/png/*.png)
  add_custom_command(
    OUTPUT ${output_dir}/103.html ${output_dir}/328.html
    COMMAND ${OSTRILEX_PYTHON} ${script} ${source} ${PROJECT_SOURCE_DIR}/resources/skin/png ${output_dir}
    DEPENDS ${source} ${script} ${icons}
    COMMENT "Writing the map pages"
    VERBATIM)
  add_custom_target(${target} DEPENDS ${output_dir}/103.html ${output_dir}/328.html)
endfunction()
