# Wraps a PNG icon in an SVG document, so that it can be used under an
# ".svg" resource name. Called with -DPNG=<file> -DSVG=<file> -DSIZE=<pixels>.
execute_process(COMMAND base64 -w0 ${PNG} OUTPUT_VARIABLE data RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "Cannot read ${PNG}")
endif()
string(STRIP "${data}" data)
file(WRITE ${SVG}
"<?xml version=\"1.0\" encoding=\"UTF-8\"?>
<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" width=\"${SIZE}\" height=\"${SIZE}\" viewBox=\"0 0 ${SIZE} ${SIZE}\">
<image width=\"${SIZE}\" height=\"${SIZE}\" xlink:href=\"data:image/png;base64,${data}\"/>
</svg>
")
