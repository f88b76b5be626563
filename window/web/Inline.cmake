# Puts the game's script, the WebAssembly inside it, into the page: one file that plays from
# anywhere, a disk included.
file(READ ${SCRIPT} script)
file(READ ${PAGE} page)
string(REPLACE "@SCAFFLE_SCRIPT@" "${script}" page "${page}")
file(WRITE ${OUTPUT} "${page}")
