# Puts the game's script and its WebAssembly, as base64, into the page: one file that plays from
# anywhere, a disk included.
file(READ ${SCRIPT} script)
execute_process(COMMAND base64 -w0 ${WASM} OUTPUT_VARIABLE wasm COMMAND_ERROR_IS_FATAL ANY)
file(READ ${PAGE} page)
string(REPLACE "@SCAFFLE_SCRIPT@" "${script}" page "${page}")
string(REPLACE "@SCAFFLE_WASM@" "${wasm}" page "${page}")
file(WRITE ${OUTPUT} "${page}")
