# zova_embed_text(OUT_SOURCE SYMBOL FILE): a C++ source defining `extern const char SYMBOL[]` with
# the file's bytes, so headless builds carry a stored description without reading files. The
# installed package offers it too, with its script beside it.
set(ZOVA_EMBED_TEXT_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/EmbedTextRun.cmake)

function(zova_embed_text out_source symbol file)
  set(generated ${CMAKE_CURRENT_BINARY_DIR}/${symbol}.cpp)
  add_custom_command(
    OUTPUT ${generated}
    COMMAND ${CMAKE_COMMAND} -DIN=${file} -DOUT=${generated} -DSYMBOL=${symbol}
            -P ${ZOVA_EMBED_TEXT_SCRIPT}
    DEPENDS ${file} ${ZOVA_EMBED_TEXT_SCRIPT}
    VERBATIM)
  set(${out_source} ${generated} PARENT_SCOPE)
endfunction()
